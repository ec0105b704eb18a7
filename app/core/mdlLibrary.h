#pragma once

#include "platform/files/FileError.h"

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

// A whole file's text, or why it could not be read (the text is empty then).
struct TextRead {
    QString text;
    platform::files::FileError error = platform::files::FileError::None;
    bool ok() const { return error == platform::files::FileError::None; }
};

// How a whole-file write ended: true when written, else why not.
struct TextWritten {
    platform::files::FileError error = platform::files::FileError::None;
    explicit operator bool() const { return error == platform::files::FileError::None; }
};

// The whole file, line ends kept; empty for a missing, unreadable or empty file.
QString FileReadText(const QString &path, TextEncoding encoding = TextEncoding::Ansi);
// The same, telling a failed read, and why it failed, from an empty file.
TextRead TryReadText(const QString &path, TextEncoding encoding = TextEncoding::Ansi);
// Writes `text` exactly as the whole file; a failed write leaves any old file untouched. A file written in
// place keeps its backup in tmp/ while it is written.
TextWritten FileWriteText(const QString &path, const QString &text, TextEncoding encoding = TextEncoding::Ansi);

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

// The calls of the two helpers above that the program makes everywhere.
// The folder of a host file path, with its trailing "/", and the file's name: "/" is the one separator,
// and a "\" is part of a name.
QString GetFolderOf(const QString &path);
QString GetFileNameOf(const QString &path);
// `path` as a host folder: "/" at its end, a "file://", "http://" or "ftp://" prefix or a doubled leading
// "/" dropped so that a folder from the root keeps its root, and a "\" left as part of a name.
QString AsHostFolder(const QString &path);

// A path that comes from outside (the command line, a hand-over, a name typed into a dialog, a list file)
// in the one form in which it is shown, stored and compared: absolute, a relative path taken from `folder`
// (which ends with "/"), and clean, without ".", ".." or a doubled "/".
QString OutsidePath(const QString &path, const QString &folder);
// Whether two paths name one file: the same text, or one existing file once symbolic links are followed.
bool IsSameFile(const QString &path, const QString &other);

// ---- Colour texts ------------------------------------------------------------------------------------

QString ConvertColor(const QString &value, const int &sourceForm, const int &targetForm);
bool IsColorString(const QString &value);
int HexPairValue(const QString &pair);
// The value of a hexadecimal digit in either letter case; -1 for any other character.
int HexDigitValue(QChar c);
QString HexDigit(int n);

// ---- Colour numbers ----------------------------------------------------------------------------------

// A colour number is red + 256 * green + 65536 * blue, red in the lowest byte, each channel of a colour 0
// to 255. A colour text may carry more (three decimal digits a channel), so the arithmetic is 64-bit.
struct ColorChannels {
    qint64 Red = 0;
    qint64 Green = 0;
    qint64 Blue = 0;

    bool operator==(const ColorChannels &) const = default;
};

qint64 ColorNumber(const ColorChannels &channels);
// The channels of a colour number; whatever lies above a colour's 24 bits stays in Blue, as the colour
// texts write it. A negative number, which a point read outside a picture gives, is black.
ColorChannels ColorChannelsOf(qint64 colour);
// The inverse of a colour (0 to 16777215): each channel c becomes 255 - c.
int InverseColor(int colour);

// The colour picker's strip of shades of one colour: from white at band 1 through the colour itself at
// the middle band to black at the last.
inline constexpr int ShadeCount = 31;
inline constexpr int ShadeMid = (ShadeCount - 1) / 2 + 1;
// The value of a channel (0 to 255) on band 1 to ShadeCount.
int GetShadeComponent(int channel, int band);
// `colour` on band 1 to ShadeCount, each channel by GetShadeComponent.
int ShadeColor(int colour, int band);

// ---- Text transforms ---------------------------------------------------------------------------------

// Pure rewrites of a piece of text, the selection of a document or one list line; each takes linear time,
// so a whole large document goes through them at once. A text moved in is rewritten in its own buffer
// where the result fits there. CR LF, LF and a lone CR each end a line, and every line end stays as the
// text writes it.

// Letter case, keyboard layout and transliteration: 1 swaps the Latin and the Cyrillic keys of the same
// keyboard key, 2 sentence case (lower case, raised after a full stop), 3 upper case, 4 lower case, 5 title
// case, 6 inverted case of A-Z, a-z, А-Я and а-я only (Ё, ё and the other letters stay), 7 transliteration
// between Latin and Cyrillic in both directions; 0 counts as 2. Any other mode returns the text as it is.
// A letter changes case only to a letter of the system code page, so no conversion makes a character that
// would be saved as "?".
QString RegistrConvert(QString text, int mode);

// Spaces (not tabs) removed: 1 every run of spaces becomes one and a run at the very start goes; 2 spaces
// at the start of every line but the first; 3 spaces at the end of every line but the last. Any other mode
// returns the text as it is.
QString SpaceDelete(QString text, int mode);

// One indentation step removed from every line: a leading tab, else exactly `width` leading spaces when
// the line has that many (a width below 1 removes tabs only).
QString ShiftLines(QString text, int width);

// A tab added at the start of every line, empty lines and the empty line after a final line end included;
// with `outdent`, one leading tab removed from every line that has one.
QString TabBlock(QString text, bool outdent);

// Every line end replaced by one blank.
QString JoinLines(QString text);

// The markers that comment text out in a language; an empty marker is one the language lacks.
struct CommentMarkers {
    QString BlockStart;
    QString BlockEnd;
    QString Line;
};
// Wrapped in the block markers, or each line begun with the line marker once the selection is widened
// to whole lines.
enum class CommentForm { None, Block, Lines };
// A selection over more than one line takes the block markers where the language has both, else the
// line marker; a selection within one line (or none) the line marker, else the block markers. None when
// the language has neither.
CommentForm CommentFormFor(const QString &selection, const CommentMarkers &markers);
// The text commented out in `form`.
QString CommentText(const QString &text, CommentForm form, const CommentMarkers &markers);

// Every line end written as `lineEnd`, so that inserted lines end as the document's own do.
QString WithLineEnds(const QString &text, const QString &lineEnd);

// Every run of line ends collapsed to its first, so no empty line stands between two lines of the text.
QString DeleteEmptyLines(QString text);

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
