#pragma once

#include "app/core/SharedTypes.h"
#include "app/core/Table.h"

#include <QString>

// The code-page table of code.ini. Entry k is code page k: `Name` its display name, `Title` its short
// name, `Items(r)` the byte (0 to 255) that it gives the character of row r; 0 means it has none. Row r
// stands for the same character in every code page.
namespace mdlLoad {

inline Table<NamedList> Codes;

// The most code pages that are read. Each is an item of the two re-code menus, which show them in one
// column: a thousand fill several screens already, and Qt takes longer for each item with every one before
// it, so that a code.ini of 100 000 code pages held the start for seconds.
constexpr int MaxCodePages = 1000;

// Replaces `Codes` with the code pages of code.ini: the section [codes] holds "short|display" lines, up to
// the limit above, the section [symbols] one row per character, four hexadecimal digits and then a byte
// pair per code page, all separated by "|". A missing file leaves no code page.
void LoadCodes(const QString &path);

// Grows each time LoadCodes refills `Codes`, so that what is derived from the table can be rebuilt.
int CodesRevision();

} // namespace mdlLoad
