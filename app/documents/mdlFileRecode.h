#pragma once

#include <QString>

// Recoding a text between two code pages of the code table. The text is single-byte text in the system
// code page: each character stands for one byte of the file.
namespace mdlFile {

// Converts `text` from code page `fromCode` to code page `toCode` (1-based indices into the code table).
// A byte that the source page does not hold passes unchanged; one that it holds but the target page lacks
// becomes the first character of `missing` (nothing when it is empty). Where several rows of the source
// page hold a byte, the last of them decides. Equal indices, or an index outside the table, return the
// text unchanged.
QString RecodeText(const QString &text, int fromCode, int toCode, const QString &missing = QStringLiteral("?"));

} // namespace mdlFile
