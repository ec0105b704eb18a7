#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The rules that every list file of the settings folder follows. A list file is Windows-1251 text, one
// entry per line; a line is never trimmed as a whole, its fields are. A line that does not fit its file's
// form is skipped, and nothing in a list file ever stops the program or shows a message.
namespace mdlLoad {

// The file's lines, read as single-byte text in the system code page; nothing when the file is missing
// or unreadable (an existing empty file gives no lines).
std::optional<QStringList> ReadListLines(const QString &path);

// The line cut at its first `separators` "|" searched from the left: separators + 1 fields as they stand,
// the last running to the end of the line with any further "|". Nothing when the line has fewer "|".
std::optional<QStringList> SplitListFields(const QString &line, int separators);

// A field's escapes: every "%v" becomes "|", then every "%p" becomes "%", either in any letter case.
QString ListEscapes(const QString &field);

// A number field read by its leading number: blanks and tabs are ignored, an optional sign, digits, a
// decimal point and an exponent are read, "&H" and "&O" read hexadecimal and octal; reading stops at the
// first character that cannot continue the number. Rounded to a whole number, halves to the even one;
// no number, or one beyond 32 bits, gives 0.
int ListNumber(const QString &field);

// When `line` is a section header ("[" first, "]" last) returns true and, for a header of at least three
// characters, sets `section` to the text between the brackets as it stands ("[]" keeps it).
bool ReadSectionHeader(const QString &line, QString &section);

} // namespace mdlLoad
