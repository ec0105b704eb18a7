#pragma once

#include <QString>

class QWidget;

// Creating documents: new ones, empty or from a template, and ones opened from a file.
namespace mdlFile {

void NewDocument(const QString &baseName, const QString &ext, const QString &languageName, const QString &text,
                 bool closeNewDialog);
void NewDocumentEmpty(const QString &baseName, const QString &ext, const QString &languageName,
                      bool closeNewDialog);
void NewDocumentFromPattern(const QString &baseName, const QString &ext, const QString &languageName,
                            const QString &templateFile, bool closeNewDialog);
// Tells the user, over `parent`, when the file at `path` is too large to open, and then returns true:
// the caller opens nothing.
bool RefuseTooLargeFile(const QString &path, QWidget *parent);

// Opens the file as a new document, recoding its text from `fileCode` to `viewCode`. False, with no
// document made, when the file cannot be read or is too large to open.
bool OpenDocumentFile(const QString &path, const QString &fileName, int fileCode, int viewCode);

// The syntax name of the file type that lists `ext`, else of the fallback type "*"; empty when none.
QString GetTypeLanguage(const QString &ext);

// The preview copy of document `number` whose base part is `base`.
QString PreviewCopyPath(int number, const QString &base);

} // namespace mdlFile
