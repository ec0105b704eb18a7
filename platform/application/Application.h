#pragma once

#include <QString>

// The application object: the program's folder, title and command line, and its end.
namespace platform::application {

// The folder of the executable, without a trailing separator.
QString Path();
// Makes Path() answer `folder` instead (tests run the program's windows on a temporary program folder);
// an empty folder restores the executable's.
void SetPath(const QString &folder);
QString Title();
// The arguments after the program's name, joined by spaces, as one command line.
QString CommandLine();

// Ends the program: the event loop returns and the process exits with `code`.
void End(int code = 0);

} // namespace platform::application
