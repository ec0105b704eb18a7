#include "controls/MwLibFSO.h"

#include "controls/MwFSODrives.h"
#include "controls/MwFSOPaths.h"
#include "controls/MwLibFSOIcons.h"
#include "controls/MwLibFSOItems.h"
#include "controls/MwLibFSOShell.h"

#include <QDir>
#include <QRandomGenerator>

namespace MwFSO {

// ---- Names and shell -------------------------------------------------------------------------------------

QString MwLibFSO::GetTemparyFileName(bool boolExtExist, bool boolRadExist)
{
    return Guarded("GetTemparyFileName", QString(), [&](QString &name) {
        // "rad", five hexadecimal digits and ".tmp", as temporary names have always looked.
        const quint32 digits = QRandomGenerator::global()->bounded(0x100000u);
        name = QStringLiteral("rad%1.tmp").arg(QString::number(digits, 16).toUpper().rightJustified(5, u'0'));
        if (!boolRadExist)
            name.remove(0, 3);
        if (!boolExtExist)
            name.chop(4);
    });
}

void MwLibFSO::ElementExecute(const QString &strPath, const QString &strAttribute, qint32 lngHwnd, qint32 udtType,
                              const QString &strType)
{
    Q_UNUSED(lngHwnd); // the desktop places the program's window itself
    Guarded("ElementExecute", 0, [&](int &) {
        QString verb = strType;
        if (udtType == 0 || udtType == ElementTypeExecuteOpen)
            verb = QStringLiteral("open");
        else if (udtType == ElementTypeExecuteEdit)
            verb = QStringLiteral("edit");
        ShellExecute({verb, strPath, strAttribute});
    });
}

QString MwLibFSO::ElementVirtualPath(ElementPathVirtual udtElementType)
{
    switch (udtElementType) {
    case ElementVirtualComputer: return ComputerShellPath();
    case ElementVirtualMyDocument: return QStringLiteral("::{450D8FBA-AD25-11D0-98A8-0800361B1103}");
    default: return QString();
    }
}

QString MwLibFSO::ElementSpecFolder(enum ElementSpecFolder udtType)
{
    return Guarded("ElementSpecFolder", QString(), [&](QString &path) { path = SpecialFolderPath(udtType); });
}

ElementInfoSizeIcons MwLibFSO::ElementObjInfoSizeIcons(const QString &strElementPath,
                                                       ElementTypePlusIcons udtTypePlusIcon)
{
    return Guarded("ElementObjInfoSizeIcons", ElementInfoSizeIcons(), [&](ElementInfoSizeIcons &icons) {
        icons.ElementInfoIconLarge = GetShellIcon(strElementPath, ElementTypeIconLarge, udtTypePlusIcon);
        icons.ElementInfoIconSmall = GetShellIcon(strElementPath, ElementTypeIconSmall, udtTypePlusIcon);
    });
}

ElementInfoTypeIcons MwLibFSO::ElementObjInfoTypeIcons(const QString &strElementPath,
                                                       ElementTypeBaseIcons udtTypeBaseIcon)
{
    return Guarded("ElementObjInfoTypeIcons", ElementInfoTypeIcons(), [&](ElementInfoTypeIcons &icons) {
        icons.ElementInfoIconStandart = GetShellIcon(strElementPath, udtTypeBaseIcon, ElementTypeIconStandart);
        icons.ElementInfoIconSelected = GetShellIcon(strElementPath, udtTypeBaseIcon, ElementTypeIconSelected);
        icons.ElementInfoIconOpen = GetShellIcon(strElementPath, udtTypeBaseIcon, ElementTypeIconOpen);
    });
}

Picture MwLibFSO::GetElementIcon(const QString &strElementPath, ElementTypeBaseIcons udtTypeBaseIcon,
                                 ElementTypePlusIcons udtTypePlusIcon)
{
    return Guarded("GetElementIcon", Picture(), [&](Picture &icon) {
        icon = GetShellIcon(strElementPath, udtTypeBaseIcon, udtTypePlusIcon);
    });
}

// Short names do not exist on this host: an existing item's short path is its path.
QString MwLibFSO::GetElementShortName(const QString &strFullPath)
{
    return Guarded("GetElementShortName", QString(), [&](QString &path) {
        if (!strFullPath.isEmpty() && QFileInfo::exists(strFullPath))
            path = strFullPath;
    });
}

// The long form of an existing item is the path itself; a missing item or a path ending in "/" gives "".
QString MwLibFSO::GetElementFullName(const QString &strShortPath)
{
    return Guarded("GetElementFullName", QString(), [&](QString &path) {
        if (!strShortPath.isEmpty() && !strShortPath.endsWith(QLatin1Char('/')) && QFileInfo::exists(strShortPath))
            path = strShortPath;
    });
}

// ---- Listings --------------------------------------------------------------------------------------------

namespace {

// A folder or file that a listing shows: nothing but read-only (and directory for a folder) set.
bool Listed(const QFileInfo &item, FileAttributes directory)
{
    return (Items::AttributesOf(item) & ~FileAttributeReadOnly) == directory;
}

QFileInfoList Entries(const QFileInfo &folder, QDir::Filters kind)
{
    return QDir(Items::PathOf(folder)).entryInfoList(kind | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                      QDir::Name);
}

} // namespace

void MwLibFSO::GetFiles(const QString &strPathFolder, QStringList &strFiles, QStringList &strFilters)
{
    Q_UNUSED(strFilters); // kept for the callers that pass one; the listing is never filtered
    Guarded("GetFiles", 0, [&](int &) {
        if (!FolderExists(strPathFolder))
            return;
        const QFileInfo folder = Items::GetFolder(strPathFolder);
        QStringList files{QString()};
        if (Listed(folder, FileAttributeDirectory)) {
            for (const QFileInfo &file : Entries(folder, QDir::Files)) {
                if (Listed(file, 0))
                    files.append(file.fileName());
            }
        }
        strFiles = files;
    });
}

void MwLibFSO::GetFolders(const QString &strPathParent, QStringList &strFolders)
{
    Guarded("GetFolders", 0, [&](int &) {
        if (!FolderExists(strPathParent))
            return;
        const QFileInfo parent = Items::GetFolder(strPathParent);
        QStringList folders{QString()};
        for (const QFileInfo &folder : Entries(parent, QDir::Dirs)) {
            if (!Listed(folder, FileAttributeDirectory))
                continue;
            // A subfolder that cannot be read counts as one without subfolders; the listing goes on.
            const bool hasSubfolders = Items::CountSubFolders(folder) > 0;
            folders.append((hasSubfolders ? QLatin1Char('1') : QLatin1Char('0')) + folder.fileName());
        }
        strFolders = folders;
    });
}

void MwLibFSO::GetDrives(QStringList &strDrives)
{
    Guarded("GetDrives", 0, [&](int &) { strDrives = QStringList{QString()} + DriveRoots(); });
}

// ---- Tests and path text ----------------------------------------------------------------------------------

bool MwLibFSO::FileExists(const QString &strFilePath)
{
    return Guarded("FileExists", false, [&](bool &exists) {
        const QFileInfo item(strFilePath);
        exists = !strFilePath.isEmpty() && item.exists() && !item.isDir();
    });
}

bool MwLibFSO::FolderExists(const QString &strFolderPath)
{
    return Guarded("FolderExists", false,
                   [&](bool &exists) { exists = !strFolderPath.isEmpty() && QFileInfo(strFolderPath).isDir(); });
}

bool MwLibFSO::DriveExists(const QString &strDrivePath)
{
    return Guarded("DriveExists", false, [&](bool &exists) { exists = !DriveOf(strDrivePath).isEmpty(); });
}

bool MwLibFSO::DriveIsReady(const QString &strDrivePath)
{
    return Guarded("DriveIsReady", false, [&](bool &ready) {
        if (DriveExists(strDrivePath))
            ready = QStorageInfo(DriveOf(strDrivePath)).isReady();
    });
}

bool MwLibFSO::FolderExistParent(const QString &strPath)
{
    return Guarded("FolderExistParent", false, [&](bool &exists) {
        if (strPath.isEmpty() || IsDriveRoot(strPath))
            return;
        QString parent = strPath.endsWith(QLatin1Char('/')) ? strPath.chopped(1) : strPath;
        parent.chop(LastComponent(parent).size());
        exists = FolderExists(parent);
    });
}

bool MwLibFSO::FileNameRight(const QString &strFilePath)
{
    return Guarded("FileNameRight", true, [&](bool &right) {
        static const QString forbidden = QStringLiteral("~!@#$%^&*()+=|\\/<>;:[]{}(),\"'\n\r");
        const QString name = LastComponent(strFilePath);
        for (const QChar c : name) {
            if (forbidden.contains(c)) {
                right = false;
                return;
            }
        }
    });
}

// Never raises: each step that fails is passed over.
QString MwLibFSO::GetFolderParent(const QString &strPath)
{
    if (strPath.size() <= 1 || IsDriveRoot(strPath))
        return strPath;
    const QString trimmed = strPath.endsWith(QLatin1Char('/')) ? strPath.chopped(1) : strPath;
    const qsizetype last = trimmed.lastIndexOf(QLatin1Char('/'));
    return last < 0 ? strPath : trimmed.left(last + 1);
}

// Paths compare exactly: the host's file names are case-sensitive.
QString MwLibFSO::GetFolderRoot(const QString &strPath1, const QString &strPath2)
{
    return Guarded("GetFolderRoot", QString(), [&](QString &root) {
        const qsizetype n = std::min(strPath1.size(), strPath2.size());
        qsizetype common = 0;
        while (common < n && strPath1.at(common) == strPath2.at(common))
            ++common;
        const QString prefix = strPath1.left(common == n ? n + 1 : common);
        const qsizetype last = prefix.lastIndexOf(QLatin1Char('/'));
        if (last >= 0)
            root = prefix.left(last + 1);
    });
}

} // namespace MwFSO
