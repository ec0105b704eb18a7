#pragma once

#include "platform/text/AnsiCodePage.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// A Windows-1251 HTML page of `size` bytes or a line more: tags, attributes, entities and Cyrillic text
// on every line, CR LF line ends.
inline QByteArray MakeLargePage(qint64 size)
{
    const QByteArray line = platform::text::StringToAnsi(QStringLiteral(
        "<p class=\"text\">Съешь же ещё этих мягких французских булок, да выпей чаю. <b>Line</b> &amp; more</p>\r\n"));
    QByteArray page = "<html><head><title>Проба</title></head><body>\r\n";
    page.reserve(size + line.size());
    while (page.size() < size)
        page += line;
    page += "</body></html>\r\n";
    return page;
}

inline void WriteLargePage(const QString &path, qint64 megabytes)
{
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(MakeLargePage(megabytes * 1024 * 1024));
}
