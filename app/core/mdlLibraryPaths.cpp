#include "app/core/mdlLibrary.h"

namespace mdlLibrary {
namespace {

bool IsSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

QString AddedPrefix(int prefix)
{
    switch (prefix) {
    case 3: return QStringLiteral("file:\\\\\\");
    case 4: return QStringLiteral("\\\\");
    case 5: return QStringLiteral("http://");
    case 6: return QStringLiteral("ftp://");
    default: return {};
    }
}

// The address prefixes that GetPathPart knows, in the order they are tested.
const QStringList &KnownPrefixes()
{
    static const QStringList prefixes = {QStringLiteral("file:\\\\\\"), QStringLiteral("\\\\"),
                                         QStringLiteral("http://"), QStringLiteral("ftp://")};
    return prefixes;
}

void RemovePrefix(QString &path, const QString &prefix)
{
    if (path.startsWith(prefix))
        path.remove(0, prefix.size());
}

} // namespace

QString ConvertPath(const QString &path, int &separatorKind, int ending, int prefix)
{
    if (separatorKind == 0)
        separatorKind = 1;
    if (path.isEmpty())
        return {};
    QString result = path;

    const bool host = separatorKind == HostSeparatorKind;
    QChar target;
    QChar other;
    if (separatorKind == 1 || separatorKind == 2) {
        target = u'\\';
        other = u'/';
    } else if (separatorKind == 3) {
        target = u'/';
        other = u'\\';
    } else if (host) {
        target = u'/';
    }
    if (target.isNull())
        return result;

    // The ending looks at the path as given, before the separators are made one kind.
    if (ending == 2 && result.endsWith(target))
        result.chop(1);
    else if (ending == 3 && !result.endsWith(target))
        result.append(target);
    if (!other.isNull())
        result.replace(other, target);

    if (prefix != 0 && prefix != 1) {
        const QString two = QString(2, target);
        if (host) {
            // A host path keeps its root: "file:///home" and "//home" both name "/home".
            RemovePrefix(result, QStringLiteral("file:") + two);
            RemovePrefix(result, QStringLiteral("http:") + two);
            RemovePrefix(result, QStringLiteral("ftp:") + two);
            if (result.startsWith(two))
                result.remove(0, 1);
        } else {
            RemovePrefix(result, QStringLiteral("file:") + QString(3, target));
            RemovePrefix(result, QStringLiteral("http:") + two);
            RemovePrefix(result, QStringLiteral("ftp:") + two);
            RemovePrefix(result, two);
        }
        result.prepend(AddedPrefix(prefix));
    }
    return result;
}

QString GetPathPart(const QString &path, int part, int rootKind, int levels, int direction, int prefix)
{
    if (path.isEmpty())
        return {};
    if (part == 0)
        part = 1;
    if (rootKind == 0)
        rootKind = 1;
    if (direction == 0)
        direction = 2;
    if (levels < 0)
        levels = 0;

    QString result = path;
    if (prefix != 1) {
        for (const QString &known : KnownPrefixes())
            RemovePrefix(result, known);
    }

    if (part == 2) {
        if (rootKind == 1)
            return result.left(3);
        const QChar separator = rootKind == 2 ? u'\\' : u'/';
        if (rootKind > 4)
            return result;
        const qsizetype at = result.indexOf(separator);
        return at < 0 ? result : result.left(at);
    }
    if (part != 1)
        return result;

    qsizetype first = 0;
    if (prefix == 1) {
        for (const QString &known : KnownPrefixes()) {
            if (result.startsWith(known)) {
                first = known.size();
                break;
            }
        }
    }
    int count = 0;
    qsizetype cut = -1;
    if (direction == 1) {
        for (qsizetype i = first; i < result.size() && cut < 0; ++i)
            if (IsSeparator(result[i]) && ++count == levels + 1)
                cut = i;
    } else if (direction == 2) {
        for (qsizetype i = result.size() - 1; i >= first && cut < 0; --i)
            if (IsSeparator(result[i]) && ++count == levels + 1)
                cut = i;
    }
    if (cut >= 0)
        result.truncate(cut + 1);
    if (prefix != 1)
        result.prepend(AddedPrefix(prefix));
    return result;
}

QString GetFileName(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (IsSeparator(path[i]))
            return path.mid(i + 1);
    return path;
}

QString GetFileExt(const QString &name)
{
    QString text = name;
    if (text.endsWith(u'.'))
        text.chop(1);
    const qsizetype dot = text.lastIndexOf(u'.');
    return dot < 0 ? QString() : text.mid(dot + 1);
}

QString GetFileTitle(const QString &name)
{
    QString text = name;
    if (text.endsWith(u'.'))
        text.chop(1);
    if (text.isEmpty())
        return {};
    text.chop(GetFileExt(text).size());
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString GetFolderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? path : path.left(slash + 1);
}

QString GetFileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString AsHostFolder(const QString &path)
{
    int separatorKind = HostSeparatorKind;
    return ConvertPath(path, separatorKind, 3, 2);
}

} // namespace mdlLibrary
