#pragma once

#include "app/core/SharedTypes.h"
#include "app/core/Table.h"

#include <QString>

// The Help menu's entries: `First` the caption ("-" for a separator line), `Second` the target, a file in
// the help folder or an address beginning with "http:", "ftp:" or "mailto:".
namespace mdlLoad {

inline Table<StringPair> Helps;

// The most lines of help.ini that are read. Each is an item of the Help menu, which shows them in one
// column: a thousand fill several screens already, and Qt takes longer for each item with every one before
// it, so that a file of 100 000 lines held the start for seconds.
constexpr int MaxHelpLines = 1000;

// The five built-in entries, then, when help.ini is readable, a separator and one entry per line:
// "target|caption", or a separator for a line without "|"; up to the limit above.
void LoadHelps(const QString &path);

// A help target that is an address ("http:", "https:", "ftp:", "mailto:", letter case counting) and is
// opened as written; any other target names a file in the help folder.
bool IsHelpAddress(const QString &target);

} // namespace mdlLoad
