#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The application object: the program's folder, title and command line, and its end.
namespace platform::application {

// The folder of the executable, without a trailing separator.
QString Path();
// Makes Path() answer `folder` instead (tests run the program's windows on a temporary program folder);
// an empty folder restores the executable's.
void SetPath(const QString &folder);
QString Title();
// Makes the program speak Russian whatever the system's locale: a Russian locale becomes the default, so
// that dates, numbers and the names of file types are Russian, also in the page engine's own texts; Qt's
// own dialogs and texts (the print dialog, the folder picker, the text boxes' and page panes' context
// menus) take Qt's Russian catalogue, and the texts that it lacks come from the program. Called once,
// after the application object is made and before the first window.
void UseRussian();
// The arguments after the program's name, each one path as the shell split and unquoted them.
QStringList Arguments();
// Makes Arguments() answer `arguments` instead, for the rest of the run.
void SetArguments(const QStringList &arguments);

// Ends the program: the event loop returns and the process exits with `code`.
void End(int code = 0);
// While a hook is set, it receives the end instead of the application. A test runner sets one: its
// process goes on after a test's exit routine, and Qt's quit, asked for with no loop running, would end
// every later modal loop at once.
using EndHook = std::function<void(int code)>;
void SetEndHook(EndHook hook);

} // namespace platform::application
