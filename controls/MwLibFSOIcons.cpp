#include "controls/MwLibFSOIcons.h"

#include "controls/MwFSODrives.h"
#include "controls/MwFSOPaths.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QStyle>

#include <map>

namespace MwFSO {

namespace {

QFileIconProvider &Provider()
{
    static QFileIconProvider provider;
    return provider;
}

// The desktop's generic icon of a kind, or the style's own picture of it when the desktop has none.
QIcon KindIcon(const QString &path)
{
    const ElementTypePath type = path == ComputerShellPath() ? ElementTypePathComputer : GetPathType(path);
    static const std::map<ElementTypePath, std::pair<QAbstractFileIconProvider::IconType, QStyle::StandardPixmap>>
        kinds = {{ElementTypePathComputer, {QAbstractFileIconProvider::Computer, QStyle::SP_ComputerIcon}},
                 {ElementTypePathDrive, {QAbstractFileIconProvider::Drive, QStyle::SP_DriveHDIcon}},
                 {ElementTypePathFolder, {QAbstractFileIconProvider::Folder, QStyle::SP_DirIcon}},
                 {ElementTypePathFile, {QAbstractFileIconProvider::File, QStyle::SP_FileIcon}}};
    const auto &[kind, standard] = kinds.at(type);
    const QIcon icon = Provider().icon(kind);
    return icon.isNull() ? QApplication::style()->standardIcon(standard) : icon;
}

QIcon DesktopIcon(const QString &path)
{
    if (path.isEmpty() || path == ComputerShellPath() || IsDriveRoot(path))
        return KindIcon(path);
    return Provider().icon(QFileInfo(path));
}

ShellIconSource &Source()
{
    static ShellIconSource source = DesktopIcon;
    return source;
}

// The picture of one size and state cut from an icon; null when the icon has none.
QPixmap Cut(const QIcon &icon, qint32 sizeFlags, qint32 stateFlags)
{
    const int side = sizeFlags == ElementTypeIconLarge ? 32 : 16;
    const QIcon::Mode mode = (stateFlags & ElementTypeIconSelected) ? QIcon::Selected : QIcon::Normal;
    const QIcon::State state = (stateFlags & ElementTypeIconOpen) ? QIcon::On : QIcon::Off;
    return icon.isNull() ? QPixmap() : icon.pixmap(QSize(side, side), mode, state);
}

} // namespace

QString ComputerShellPath()
{
    return QStringLiteral("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
}

void SetShellIconSource(ShellIconSource source)
{
    Source() = source ? std::move(source) : ShellIconSource(DesktopIcon);
}

Picture GetShellIcon(const QString &path, qint32 sizeFlags, qint32 stateFlags)
{
    QPixmap picture;
    try {
        picture = Cut(Source()(path), sizeFlags, stateFlags);
    } catch (...) {
        // A failing source leaves the picture null, and the generic icon below stands in.
    }
    if (picture.isNull())
        picture = Cut(KindIcon(path), sizeFlags, stateFlags);
    return QIcon(picture);
}

} // namespace MwFSO
