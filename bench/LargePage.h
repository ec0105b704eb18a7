#pragma once

#include "platform/text/AnsiCodePage.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>

// How a large page lays its paragraphs out.
enum class PageLines {
    // One paragraph a line, CR LF line ends.
    Short,
    // Minified markup: the paragraphs run on into lines of 230 000 to 255 000 characters, LF line ends.
    Long,
};

// A Windows-1251 HTML page of `size` bytes or a line more: tags, attributes, entities and Cyrillic text
// in every paragraph.
inline QByteArray MakeLargePage(qint64 size, PageLines lines = PageLines::Short)
{
    const QByteArray paragraph = platform::text::StringToAnsi(QStringLiteral(
        "<p class=\"text\">Съешь же ещё этих мягких французских булок, да выпей чаю. <b>Line</b> &amp; more</p>"));
    const QByteArray lineEnd = lines == PageLines::Short ? QByteArray("\r\n") : QByteArray("\n");
    QByteArray page = "<html><head><title>Проба</title></head><body>" + lineEnd;
    page.reserve(size + 256 * 1024);
    // The long lines' lengths step through their range in a fixed order, so that every run gets the same page.
    qint64 line = 0;
    while (page.size() < size) {
        const qsizetype length = lines == PageLines::Short ? paragraph.size() : 230000 + (line * 7919) % 25001;
        for (qsizetype at = 0; at < length; at += paragraph.size())
            page += QByteArrayView(paragraph).first(std::min(paragraph.size(), length - at));
        page += lineEnd;
        ++line;
    }
    page += "</body></html>" + lineEnd;
    return page;
}

inline void WriteLargePage(const QString &path, qint64 megabytes, PageLines lines = PageLines::Short)
{
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(MakeLargePage(megabytes * 1024 * 1024, lines));
}
