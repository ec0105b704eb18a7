#pragma once

#include <QString>

#include <functional>

// Handing a file to the desktop, and the desktop's special folders.
namespace MwFSO {

struct ShellRequest {
    QString Verb;
    QString Path;
    QString Parameters;
};

using ShellExecuteHook = std::function<void(const ShellRequest &request)>;

// Replaces the desktop call (tests record the requests); an empty hook restores it.
void SetShellExecuteHook(ShellExecuteHook hook);

// Starts the request; its outcome is not reported. A program given with parameters is started with them
// as its argument list; anything else is opened with the program that the desktop associates with it.
void ShellExecute(const ShellRequest &request);

// The folder of a special-folder identifier (`ElementSpecFolder`) from the user's XDG locations, without
// a closing "/"; "" for an identifier this host has no folder for.
QString SpecialFolderPath(qint32 id);

} // namespace MwFSO
