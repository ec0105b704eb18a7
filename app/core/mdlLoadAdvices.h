#pragma once

#include "app/core/SharedTypes.h"
#include "app/core/Table.h"

#include <QString>

// advice.ini: the tips of the tips window.
namespace mdlLoad {

// `First` the tip's title, `Second` its text, lines joined with CR LF.
inline Table<StringPair> Advices;

// Replaces `Advices`: a tip is a title line, kept as it stands, and then its text lines, each starting
// with a tab that is not part of the text. Blank lines are skipped.
void LoadAdviceIni(const QString &path);

} // namespace mdlLoad
