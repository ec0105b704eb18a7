#pragma once

#include "platform/files/FileError.h"

#include <QString>

class QWidget;
namespace platform::editor {
class Editor;
}

// Writing a document's text to a file. Every save comes through here: the editor's text streamed into the
// file a slice at a time, recoded on the way, written as the file layer's SaveStream writes (the file
// keeps what it is, and its old content survives any failure), with the user asked first before another
// program's change is overwritten or a character becomes "?".
namespace mdlFile {

struct LostCharacters;

// How a save ended.
struct SaveResult {
    enum Outcome { Written, Declined, Failed };
    Outcome outcome = Failed;
    platform::files::FileError error = platform::files::FileError::None;
    // The file as written.
    platform::files::FileStamp stamp;
    // Where the old content stays when a failed write could not put it back into the file; else empty.
    QString backup;
    bool written() const { return outcome == Written; }

    static SaveResult Done(const platform::files::FileStamp &stamp) { return {Written, {}, stamp, {}}; }
    static SaveResult Refused() { return {Declined, {}, {}, {}}; }
    static SaveResult Failure(platform::files::FileError error, const QString &backup = QString())
    {
        return {Failed, error, {}, backup};
    }
};

// Writes the text of document `number` to `path`, recoded from the document's view code page into `code`
// (1-based; an index outside the code table writes the text as it is shown). Asks first, with `owner`
// over the question, whether to overwrite a file that another program has changed since the document
// last read or wrote it (only when `checkChanged`); and whether the characters that `code` lacks may be
// written as "?". The document's record is left as it is.
SaveResult WriteDocumentText(int number, const QString &path, int code, bool checkChanged, QWidget *owner);

// Writes document `number` to its own file in its save code page; once written, the record says what the
// file holds (MarkSaved).
SaveResult WriteDocumentFile(int number, QWidget *owner);

// Writes the editor's text as it is shown to a working copy of the program's own (the preview copy).
platform::files::FileError WriteWorkingCopy(const platform::editor::Editor &editor, const QString &path);

// Why the file at `path` could not be written, as a sentence's second half: "так как ...".
QString WriteFailureReason(platform::files::FileError error, const QString &path);
// The same after a designed message's first line, with where the old content was kept when it could not
// be put back.
QString WriteFailureText(const QString &firstLine, const SaveResult &result, const QString &path);

// Tells the user that the file at `path` could not be written and why, under "Ошибка записи".
void ReportWriteError(const SaveResult &result, const QString &path);
// The same for a file of the program's own (a setting file, a page made to be shown), which the message
// names, with `owner` over it.
void ReportFileWriteError(platform::files::FileError error, const QString &path, QWidget *owner);

// Asks whether the characters that code page `code` lacks may become "?": `consequence` says what then
// happens to them, `question` is the last line. True for Yes.
bool AskToLoseCharacters(const LostCharacters &lost, int code, const QString &consequence, const QString &question,
                         QWidget *owner);

} // namespace mdlFile
