#include "app/documents/mdlFilePreview.h"

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadServer.h"

#include <QUrl>

namespace mdlFile {
namespace {

// Whether `folder` holds `path`: the path is the folder itself or goes on below it. A folder matches at
// a folder boundary only, so "/srv/www" does not hold "/srv/www2/a.html".
bool HoldsPath(const QString &folder, const QString &path)
{
    if (!path.startsWith(folder))
        return false;
    return path.size() == folder.size() || folder.endsWith(u'/') || path[folder.size()] == u'/';
}

QString ReplaceAll(QString text, const Table<StringPair> &table)
{
    // A find text that is empty finds nothing.
    for (const StringPair &pair : table)
        if (!pair.First.isEmpty())
            text.replace(pair.First, pair.Second);
    return text;
}

// Everything up to the last "/": the folder of a path or of an address.
QString FolderPart(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

} // namespace

bool IsPreviewTmp(bool inPane)
{
    return inPane ? mdlLoad::ViewTmpfile : mdlLoad::BrowserTmpfile;
}

bool IsServerMap(bool inPane)
{
    return inPane ? mdlLoad::ServerView : mdlLoad::ServerBrowser;
}

QString GetServerUrl(const QString &path, bool inPane)
{
    if (!IsServerMap(inPane))
        return path;
    for (const StringPair &entry : mdlLoad::Server.PathToUrl) {
        if (HoldsPath(entry.First, path)) {
            // The rest of the path names files: "#", "?", "%" and blanks in them are not the address's own.
            const QByteArray rest = QUrl::toPercentEncoding(path.mid(entry.First.size()), "/");
            return entry.Second + QString::fromLatin1(rest);
        }
    }
    return path;
}

QString ReplaceServerText(const QString &text, bool inPane)
{
    return IsServerMap(inPane) ? ReplaceAll(text, mdlLoad::Server.InPath) : text;
}

QString ReplaceServerText2(const QString &text, bool inPane)
{
    return IsServerMap(inPane) ? ReplaceAll(text, mdlLoad::Server.InUrl) : text;
}

PreviewTarget ChoosePreview(const QString &tmpPath, const QString &documentPath, bool fromTmp, bool inPane)
{
    PreviewTarget target;
    if (fromTmp) {
        target.source = ReplaceServerText(tmpPath, inPane);
        target.base = FolderPart(documentPath);
        return target;
    }
    const QString address = GetServerUrl(documentPath, inPane);
    target.isAddress = address != documentPath;
    target.source = target.isAddress ? ReplaceServerText2(address, inPane) : ReplaceServerText(documentPath, inPane);
    target.base = FolderPart(address);
    return target;
}

} // namespace mdlFile
