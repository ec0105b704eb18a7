#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Shared helpers of the program: whole-file text, paths and names, colour texts, conversions.
namespace mdlLibrary {

// ---- Whole-file text ---------------------------------------------------------------------------------

// Documents, list and language files are single-byte text in the system code page; setting.ini, user.ini
// and the hand-over file hold host paths and are UTF-8.
enum class TextEncoding { Ansi, Utf8 };

bool IsFileExist(const QString &path);
bool IsFolderExist(const QString &path);
// The file exists and can be read; the content is not examined, so a binary file passes.
bool IsTextFile(const QString &path);
// The whole file, line ends kept; empty for a missing, unreadable or empty file.
QString FileReadText(const QString &path, TextEncoding encoding = TextEncoding::Ansi);
// The same, telling a failed read (nothing) from an empty file.
std::optional<QString> TryReadText(const QString &path, TextEncoding encoding = TextEncoding::Ansi);
// Writes `text` exactly as the whole file; a failed write leaves any old file untouched.
bool FileWriteText(const QString &path, const QString &text, TextEncoding encoding = TextEncoding::Ansi);

// Splits at CR LF, LF or a lone CR; a final line end does not start a further line.
QStringList SplitLines(const QString &text);

// ---- Paths and names ---------------------------------------------------------------------------------

// Separator kinds of ConvertPath. Kinds 1 to 3 are the classic ones; HostSeparatorKind makes sure of the
// host's trailing "/" without touching "\", which is an ordinary character in a host file name.
inline constexpr int HostSeparatorKind = 4;

QString ConvertPath(const QString &path, int &separatorKind, int ending, int prefix);
QString GetPathPart(const QString &path, int part, int rootKind, int levels, int direction, int prefix);
QString GetFileName(const QString &path);
QString GetFileExt(const QString &name);
QString GetFileTitle(const QString &name);

// The folder of a file path with its trailing separator (the program's common GetPathPart call).
QString GetFolderOf(const QString &path);

// ---- Colour texts ------------------------------------------------------------------------------------

QString ConvertColor(const QString &value, const int &sourceForm, const int &targetForm);
bool IsColorString(const QString &value);
int HexPairValue(const QString &pair);
QString HexDigit(int n);

// ---- Conversions -------------------------------------------------------------------------------------

// Removes spaces (and only spaces: tabs are kept) from both ends.
QString TrimSpaces(const QString &text);

// A decimal number such as " 07 ", "-3", "12.5" or "1e3"; nothing for a text that is no number.
std::optional<double> ToNumber(const QString &text);

// A whole 32-bit number from a decimal text such as " 07 ", "-3" or "12.5" (fractions round half to even);
// nothing for a text that is no number or does not fit.
std::optional<int> ToWholeNumber(const QString &text);
// "True" or "False" in any letter case, or a number (0 is False).
std::optional<bool> ToBoolean(const QString &text);

} // namespace mdlLibrary
