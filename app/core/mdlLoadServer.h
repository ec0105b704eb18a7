#pragma once

#include "app/core/SharedTypes.h"
#include "app/core/Table.h"

#include <QString>

// server.ini: how a local page is shown as a web server would serve it.
namespace mdlLoad {

struct ServerTables {
    // A local folder and the address prefix that replaces it (section [path_to_url]).
    Table<StringPair> PathToUrl;
    // A text to find in a local path and its replacement (section [in_path]).
    Table<StringPair> InPath;
    // A text to find in a mapped address and its replacement (section [in_url]).
    Table<StringPair> InUrl;
};

inline ServerTables Server;

// Replaces the three tables with the "find|replacement" lines of their sections. A line whose first
// character is ";", after one leading tab, is a comment.
void LoadServerIni(const QString &path);

} // namespace mdlLoad
