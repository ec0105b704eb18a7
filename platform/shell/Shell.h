#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Handing work to the desktop: opening what the user is to view or edit with the user's associated
// program, and starting a program that the user named to run. The two never mix: a document is never
// started, even when it is executable (a .cgi or .html file with a "#!" line and the executable bit is
// ordinary in a web folder, and viewing it must not run it).
namespace platform::shell {

enum class ShellKind {
    Open,  // a document, a folder or an address, for the user's associated program
    Start, // a program to run
};

struct ShellCall {
    ShellKind kind = ShellKind::Open;
    QString file;
    QString parameters;
    // Recorded only: the desktop places the windows that it opens.
    bool maximized = false;
    // What the desktop is asked to do: start `program` with the parameters as its one argument (none when
    // they are empty), or open `address`; with both, `address` is opened when `program` does not start;
    // neither when the target cannot be started.
    QString program;
    QUrl address;
    bool operator==(const ShellCall &) const = default;
};

// Opens an address ("http:", "https:", "ftp:", "mailto:", "file:") or a document or folder with the
// user's associated program; nothing is ever started as a program. False when the desktop opened nothing.
bool OpenDocument(const QString &target, bool maximized);

// Starts the program `program` with `parameters` as its one argument, never split at blanks; none when
// they are empty. The program is the path as written when it is an executable file, else a program of
// that name on the search path. An entry that names no program but an address or a file, without
// parameters, is opened as a document instead, as is an executable file that does not run (drives from
// other systems mark every file executable). False when nothing could be started.
bool StartProgram(const QString &program, const QString &parameters, bool maximized);

// While a hook is set, it receives every call instead of the desktop and answers whether it started.
using ShellHook = std::function<bool(const ShellCall &)>;
void SetShellHook(ShellHook hook);

} // namespace platform::shell
