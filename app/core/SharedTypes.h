#pragma once

#include "app/core/Table.h"

#include <QString>

// Two strings: a recent file (name, folder), a tip (title, text), a Help entry (caption, target) and the
// server mappings.
struct StringPair {
    QString First;
    QString Second;
    bool operator==(const StringPair &) const = default;
};

// A named list of numbers: a code page (display name, short name, its byte for each character row) and a
// tag group (key, caption, button ids).
struct NamedList {
    QString Name;
    QString Title;
    Table<qint32> Items;
};
