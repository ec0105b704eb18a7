#include "platform/files/FileTypeName.h"

#include <QMimeDatabase>

#include <algorithm>

namespace platform::files {

namespace {

// The database answers in English for a type it has no Russian name for.
bool Russian(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

} // namespace

QString FileTypeName(const QFileInfo &item)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(item);
    const QString name = type.comment();
    if (!type.isDefault() && Russian(name))
        return name;
    if (item.isDir())
        return QStringLiteral("Папка");
    const QString extension = item.suffix();
    return extension.isEmpty() ? QStringLiteral("Файл") : QStringLiteral("Файл «%1»").arg(extension.toUpper());
}

} // namespace platform::files
