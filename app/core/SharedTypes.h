#pragma once

#include <QString>

// Two strings: a recent file (name, folder), a tip (title, text), a Help entry (caption, target) and the
// server mappings.
struct StringPair {
    QString First;
    QString Second;
    bool operator==(const StringPair &) const = default;
};
