#pragma once

// Writing a document back to its own file.
namespace mdlFile {

// Writes document `number`'s text to its file, recoded from the view's code page into the one that the
// save_code setting picks (1 the file's own, 2 the one shown, any other the first of the table), with
// "?" for characters that page lacks; the document is then saved (state 2). False, with nothing
// changed, when the file cannot be written.
bool WriteDocumentFile(int number);

// Tells the user that a file cannot be written, under "Ошибка записи".
void ReportWriteError();

} // namespace mdlFile
