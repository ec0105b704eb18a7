#include "app/core/mdlLibrary.h"

#include <QDir>
#include <QFileInfo>

namespace mdlLibrary {

QString OutsidePath(const QString &path, const QString &folder)
{
    QString clean = QDir::cleanPath(path.startsWith(u'/') ? path : folder + path);
    // Above the root there is the root itself.
    while (clean.startsWith(QLatin1StringView("/../")))
        clean.remove(0, 3);
    return clean == u"/.." ? QStringLiteral("/") : clean;
}

bool IsSameFile(const QString &path, const QString &other)
{
    if (path == other)
        return true;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(other).canonicalFilePath();
}

} // namespace mdlLibrary
