#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <random>
#include <vector>

#include <sys/stat.h>

// Every list file and language file of a program folder in each of the forms a user's disk may give it:
// what an editor, a failed copy, a full disk or another program leaves behind. Each case changes one file
// of a program folder that holds the shipped data and leaves the rest as shipped.
namespace hostile {

enum class Kind { Empty, CutOff, Binary, LongLine, ManyLines, Folder, Fifo, Unreadable, OutOfRange };

struct KindName {
    Kind kind;
    const char *name;
};

inline constexpr KindName Kinds[] = {
    {Kind::Empty, "empty"},         {Kind::CutOff, "cut off"},       {Kind::Binary, "binary"},
    {Kind::LongLine, "1 MB line"},  {Kind::ManyLines, "100 000 lines"}, {Kind::Folder, "folder"},
    {Kind::Fifo, "FIFO"},           {Kind::Unreadable, "unreadable"}, {Kind::OutOfRange, "out of range"},
};

inline const char *NameOf(Kind kind)
{
    for (const KindName &k : Kinds)
        if (k.kind == kind)
            return k.name;
    return "";
}

// Numbers far outside what the keys of a language file take, in three flavours so that the files between
// them meet each: huge, negative, and no number at all. They follow the file's own lines, so the file
// keeps its syntax name and is still the language of its pages, and they win as later keys do.
inline QByteArray LanguageNumbers(int flavour)
{
    const char *number[] = {"2147483648", "-2147483649", "abc"};
    const char *real[] = {"1e308", "-1e308", "nan"};
    const char *colour[] = {"#FFFFFFFFFFFFFFFF", "-1", "#GGGGGG"};
    const char *tab[] = {"2147483647", "-2147483648", "0"};
    QByteArray text = "\r\n[common]\r\nColorSyntax=" + QByteArray(number[flavour]) + "\r\nDisplayLeftPanel=" +
                      real[flavour] + "\r\nSelBounds=" + number[flavour] + "\r\n[language]\r\nStyle=" +
                      number[flavour] + "\r\n[lines]\r\nLineNumbering=" + real[flavour] +
                      "\r\nLineNumberStart=" + tab[flavour] + "\r\n[font]\r\nFontSize=" + real[flavour] +
                      "\r\nFontCharset=" + real[flavour] + "\r\nTabSize=" + tab[flavour] + "\r\n[style]\r\n";
    for (const char *key : {"Comment", "Keyword", "LineNumber", "Number", "Operator", "ScopeKeyword", "String",
                            "TagAttributeName", "TagElementName", "TagEntity", "TagText", "Text"})
        text += QByteArray(key) + '=' + number[flavour] + "\r\n";
    text += "[colors]\r\n";
    for (const char *key : {"Comment", "Keyword", "LineNumber", "Number", "Operator", "ScopeKeyword", "String",
                            "TagAttributeName", "TagElementName", "TagEntity", "TagText", "Text"})
        text += QByteArray(key) + '=' + colour[flavour] + "\r\n" + key + "Bk=" + colour[flavour] + "\r\n";
    for (const char *key : {"LeftMargin", "VDividerLines", "Window"})
        text += QByteArray(key) + '=' + colour[flavour] + "\r\n";
    return text;
}

// Tree lines whose levels leave the tree's range: deep levels without a parent, then a parent after them.
inline QByteArray TreeLevels(const QByteArray &item)
{
    return "            -" + item + "|Level 5 with no parent\r\n      +Level 3 with no parent\r\n   -" + item +
           "|Level 2 with no parent\r\n+Group\r\n            -" + item + "|Level 5 under level 1\r\n-" + item +
           "|Level 1\r\n";
}

struct ListFile {
    // The file in the program folder.
    const char *path;
    // The extension of the page that the start opens, so that a language file is the one applied to it.
    const char *page;
    // The lines that "out of range" gives the file (after its own when `appendOutOfRange`): numbers far
    // outside what their fields take, and names of files that reach out of their folder; empty for a file
    // that holds neither.
    QByteArray outOfRange;
    bool appendOutOfRange = false;
    // The first field of each line is an id that has to differ from line to line for a line to count.
    bool idPerLine = false;
    // FIFOs that the out-of-range lines name, laid out with them.
    std::vector<const char *> fifos = {};
};

// Lines of a list that names a file in its first field (an icon, a picture): the file is a FIFO, a device
// reached through "..", the folder itself, its parent, a name with a NUL, or nothing at all.
inline QByteArray NamesOutOfReach(const QByteArray &rest)
{
    QByteArray lines;
    for (const QByteArray &name : {QByteArray("fifo.png"), QByteArray("../../../../../../../../dev/zero"),
                                  QByteArray("."), QByteArray(".."), QByteArray("a\0b.png", 7), QByteArray(" ")})
        lines += name + rest + "\r\n";
    return lines;
}

inline const std::vector<ListFile> &ListFiles()
{
    static const std::vector<ListFile> files = {
        {"setting/typefile.ini", "html", {}},
        {"setting/code.ini", "html",
         "[codes]\r\nWIN|Windows-1251\r\nKOI|KOI8-R\r\n[symbols]\r\n0410|C0|E1\r\n0411|100|-1\r\n0412|FFFF|1FF\r\n"
         "0413|-FF|-0\r\n0414|G1|ZZ\r\n0415|2147483648|-2147483649\r\n0416||\r\n-0001|C1|E2\r\nFFFFFFFF|C2|E3\r\n"},
        {"setting/panel.ini", "html",
         "Numbers |2147483648 -2147483649 1e308 -1e308 1e400 99999999999 &HFFFFFFFF &H7FFFFFFF &H80000000 "
         "&O77777777777 -0 101.5 nan inf -5 0 13 100 101 2147483647 -2147483648\r\nMost |2147483647\r\n"},
        {"setting/button.ini", "html",
         "2147483648|b.png|Two to the 31st|<b>| |</b>\r\n-1|i.png|Minus one|<i>| |</i>\r\n0|u.png|Zero|<u>| |</u>\r\n"
         "13|s.png|The built-in id|<s>| |</s>\r\n-2147483648|strong.png|Least|<x>| |</x>\r\n"
         "2147483647|em.png|Most|<y>| |</y>\r\n1e400|div.png|Beyond a double|a|b|c\r\n"
         "&HFFFFFFFF|p.png|Hexadecimal|a|b|c\r\n&O7777777777777|br.png|Octal|a|b|c\r\n101|b.png|Bold|<b>| |</b>\r\n"
         "201|fifo.png|A FIFO|a|b|c\r\n202|../../../../../../../../dev/zero|A device|a|b|c\r\n203|.|The folder|a|b|c\r\n",
         false, true, {"buttons/fifo.png"}},
        {"setting/help.ini", "html", {}},
        {"setting/newfile.ini", "html", NamesOutOfReach("|HTML|new.html|Out of reach"), false, false, {"icons/fifo.png"}},
        {"setting/pattern.ini", "html",
         "html.png|HTML|a.html|A FIFO|fifo.html\r\nhtml.png|HTML|b.html|A device|../../../../../../../dev/zero\r\n"
         "html.png|HTML|c.html|The folder|.\r\n" + NamesOutOfReach("|HTML|index.html|Out of reach|page.html"),
         false, false, {"icons/fifo.png", "pattern/fifo.html"}},
        {"setting/phrase.ini", "html", TreeLevels("text")},
        {"setting/color.ini", "html",
         "+Colours\r\n-#FFFFFFFFF|Too many digits\r\n-#-12345|Negative\r\n-99999999|A big number\r\n"
         "-#GGGGGG|No hexadecimal digits\r\n-&HFFFFFF|A prefixed number\r\n-2147483648|The least\r\n" +
             TreeLevels("#123456")},
        {"setting/symbol.ini", "html", TreeLevels("&#2147483648;")},
        {"setting/server.ini", "html", {}},
        {"setting/tester.ini", "html", {}},
        {"setting/advice.ini", "html", {}},
        {"setting/language.ini", "html",
         "Zero|../../../../../../../../dev/zero\r\nFolder|.\r\nUp|..\r\nMissing|missing.ini\r\nFifo|fifo.ini\r\n"
         "Empty|\r\n|\r\nHTML|html.ini\r\nHTML again|html.ini\r\n",
         false, false, {"language/fifo.ini"}},
        {"language/default.ini", "html", LanguageNumbers(0), true},
        {"language/html.ini", "html", LanguageNumbers(1), true},
        {"language/css.ini", "css", LanguageNumbers(2), true},
        {"language/javascript.ini", "js", LanguageNumbers(0), true},
        {"language/xml.ini", "xml", LanguageNumbers(1), true},
        {"language/php.ini", "php", LanguageNumbers(2), true},
        {"language/perl.ini", "pl", LanguageNumbers(0), true},
        {"language/text.ini", "txt", LanguageNumbers(1), true},
    };
    return files;
}

// Whether the case exists: only files that hold numbers or name other files have an out-of-range form.
inline bool Applies(const ListFile &file, Kind kind)
{
    return kind != Kind::OutOfRange || !file.outOfRange.isEmpty();
}

inline QByteArrayList LinesOf(const QByteArray &text)
{
    QByteArrayList lines = text.split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The file cut short in the middle: right after an escape's "%" when the second half holds one, else
// right after the next field or key mark of that line, else in the middle of the line itself.
inline QByteArray CutOff(const QByteArray &text)
{
    qsizetype cut = text.size() / 2;
    const qsizetype lineEnd = [&] {
        for (qsizetype i = cut; i < text.size(); ++i)
            if (text[i] == '\r' || text[i] == '\n')
                return i;
        return text.size();
    }();
    if (const qsizetype percent = text.indexOf('%', cut); percent >= 0)
        return text.left(percent + 1);
    for (qsizetype i = cut; i < lineEnd; ++i)
        if (QByteArray("|=@[\t").contains(text[i]))
            return text.left(i + 1);
    while (cut > 0 && (text[cut - 1] == '\r' || text[cut - 1] == '\n'))
        --cut;
    return text.left(cut);
}

// Random bytes of every value, NULs, line ends, "|", "%" and "[" among them, the same for every run.
inline QByteArray Binary()
{
    std::mt19937 random(16);
    QByteArray bytes(256 * 1024, '\0');
    for (char &byte : bytes)
        byte = char(random() & 0xff);
    bytes.replace(1000, 4096, QByteArray(4096, '\0'));
    return bytes;
}

// The file's longest line with its longest field (between "|" and "=" marks) repeated in its place, blank
// by blank, to a line of at least 1 MB; the other lines stay.
inline QByteArray LongLine(const QByteArray &text)
{
    QByteArrayList lines = LinesOf(text);
    if (lines.isEmpty())
        lines.append("x");
    qsizetype longest = 0;
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (lines[i].size() > lines[longest].size())
            longest = i;
    const QByteArray line = lines[longest];
    qsizetype fieldStart = 0, bestStart = 0, bestEnd = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != '|' && line[i] != '=')
            continue;
        if (i - fieldStart > bestEnd - bestStart) {
            bestStart = fieldStart;
            bestEnd = i;
        }
        fieldStart = i + 1;
    }
    QByteArray field = line.mid(bestStart, bestEnd - bestStart).trimmed();
    if (field.isEmpty())
        field = "x";
    QByteArray repeated = field;
    while (repeated.size() < 1024 * 1024)
        repeated += ' ' + field;
    lines[longest] = line.left(bestStart) + repeated + line.mid(bestEnd);
    return lines.join("\r\n") + "\r\n";
}

// The file's own lines over and over, to 100 000 lines; with `idPerLine` each line gets an id of its own.
inline QByteArray ManyLines(const QByteArray &text, bool idPerLine)
{
    QByteArrayList lines = LinesOf(text);
    if (lines.isEmpty())
        lines.append("x");
    QByteArray out;
    for (int n = 0; n < 100000; ++n) {
        QByteArray line = lines[n % lines.size()];
        if (idPerLine)
            line = QByteArray::number(1000 + n) + line.mid(line.indexOf('|'));
        out += line + "\r\n";
    }
    return out;
}

// Gives the file at `root`/`file.path` the form `kind`; an empty text when done, else why not.
inline QString Prepare(const QString &root, const ListFile &file, Kind kind)
{
    const QString path = QDir(root).filePath(QString::fromLatin1(file.path));
    QFile shipped(path);
    if (!shipped.open(QIODevice::ReadOnly))
        return QStringLiteral("the shipped file is missing");
    const QByteArray own = shipped.readAll();
    shipped.close();
    QByteArray bytes;
    switch (kind) {
    case Kind::Empty:
        break;
    case Kind::CutOff:
        bytes = CutOff(own);
        break;
    case Kind::Binary:
        bytes = Binary();
        break;
    case Kind::LongLine:
        bytes = LongLine(own);
        break;
    case Kind::ManyLines:
        bytes = ManyLines(own, file.idPerLine);
        break;
    case Kind::Unreadable:
        bytes = own;
        break;
    case Kind::OutOfRange:
        bytes = file.appendOutOfRange ? own + file.outOfRange : file.outOfRange;
        for (const char *fifo : file.fifos) {
            const QString at = QDir(root).filePath(QLatin1String(fifo));
            QFile::remove(at);
            if (::mkfifo(QFile::encodeName(at).constData(), 0666) != 0)
                return QStringLiteral("no FIFO at ") + QLatin1String(fifo);
        }
        break;
    case Kind::Folder:
    case Kind::Fifo:
        break;
    }
    if (!QFile::remove(path))
        return QStringLiteral("the shipped file cannot be replaced");
    if (kind == Kind::Folder) {
        if (!QDir().mkpath(path + QStringLiteral("/inside")))
            return QStringLiteral("no folder in the file's place");
        return QString();
    }
    if (kind == Kind::Fifo)
        return ::mkfifo(QFile::encodeName(path).constData(), 0666) == 0 ? QString() : QStringLiteral("no FIFO");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return QStringLiteral("the file cannot be written");
    out.close();
    if (kind == Kind::Unreadable && ::chmod(QFile::encodeName(path).constData(), 0) != 0)
        return QStringLiteral("the file cannot be made unreadable");
    return QString();
}

} // namespace hostile
