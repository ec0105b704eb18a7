#include "controls/MwFSOPaths.h"

#include "controls/MwFSODrives.h"
#include "controls/MwLibFSO.h"

namespace MwFSO {

namespace {

const QChar Separator = QLatin1Char('/');

// The answer of one question to the helper, with a failure read as "no".
template <typename Question>
bool Asks(Question &&question)
{
    try {
        return question();
    } catch (const MwFSOError &) {
        return false;
    }
}

} // namespace

QString WithSeparator(const QString &path)
{
    return path.isEmpty() || path.endsWith(Separator) ? path : path + Separator;
}

QString LastComponent(const QString &path)
{
    const QString trimmed = path.endsWith(Separator) ? path.chopped(1) : path;
    return trimmed.mid(trimmed.lastIndexOf(Separator) + 1);
}

QString BaseName(const QString &path)
{
    const QString name = LastComponent(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString ExtensionName(const QString &path)
{
    const QString name = LastComponent(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

void NormalizePath(QString &path)
{
    path = WithSeparator(path);
}

ElementTypePath GetPathType(const QString &path)
{
    if (path.isEmpty())
        return ElementTypePathComputer;
    if (!path.endsWith(Separator))
        return ElementTypePathFile;
    return IsDriveRoot(path) ? ElementTypePathDrive : ElementTypePathFolder;
}

QString GetExistingFolder(MwLibFSO &fso, const QString &path)
{
    if (!Asks([&] { return fso.DriveExists(path); }) || !Asks([&] { return fso.DriveIsReady(path); }))
        return QString();
    if (Asks([&] { return fso.FolderExists(path); }))
        return path;
    // Each parent is shorter than the candidate before it, so the climb ends for every path.
    QString candidate = path;
    for (;;) {
        const QString parent = fso.GetFolderParent(candidate);
        if (Asks([&] { return fso.FolderExists(parent); }))
            return parent;
        if (parent.isEmpty() || IsDriveRoot(parent))
            return parent;
        if (parent.size() >= candidate.size())
            return QString();
        candidate = parent;
    }
}

} // namespace MwFSO
