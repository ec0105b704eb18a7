#include "app/core/mdlLibrary.h"

#include "app/core/mdlLoad.h"

#include "platform/files/WholeFile.h"
#include "platform/text/AnsiCodePage.h"

namespace mdlLibrary {

namespace files = platform::files;

bool IsFileExist(const QString &path)
{
    return files::IsFile(path);
}

bool IsFolderExist(const QString &path)
{
    return files::IsFolder(path);
}

bool IsTextFile(const QString &path)
{
    return files::CanRead(path);
}

TextRead TryReadText(const QString &path, TextEncoding encoding)
{
    const files::ReadResult read = files::ReadWhole(path);
    if (!read.ok())
        return {QString(), read.error};
    return {encoding == TextEncoding::Utf8 ? QString::fromUtf8(read.bytes) : platform::text::AnsiToString(read.bytes),
            files::FileError::None};
}

QString FileReadText(const QString &path, TextEncoding encoding)
{
    return TryReadText(path, encoding).text;
}

TextWritten FileWriteText(const QString &path, const QString &text, TextEncoding encoding)
{
    const QByteArray bytes = encoding == TextEncoding::Utf8 ? text.toUtf8() : platform::text::StringToAnsi(text);
    // A file written in place keeps its backup in the program's tmp/, as a document does.
    return {files::WriteWhole(path, bytes, mdlLoad::TmpFolder)};
}

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

} // namespace mdlLibrary
