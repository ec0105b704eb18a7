#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opening a file or an address with the user's associated program, and starting programs.
namespace platform::shell {

struct ShellCall {
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

// An address ("http:", "https:", "ftp:", "mailto:", "file:") or a document or folder is opened with the
// user's associated program; a target with parameters is a program, started with the parameters as one
// argument, and so is an executable file or a program's bare name without them. False when nothing could
// be started.
bool ShellOpen(const QString &file, const QString &parameters, bool maximized);

// While a hook is set, it receives every call instead of the desktop and answers whether it started.
using ShellHook = std::function<bool(const ShellCall &)>;
void SetShellHook(ShellHook hook);

} // namespace platform::shell
