#pragma once

#include <QString>

// The application object: the program's folder, title and command line, and its end.
namespace platform::application {

// The folder of the executable, without a trailing separator.
QString Path();
QString Title();
// The arguments after the program's name, joined by spaces, as one command line.
QString CommandLine();
// Ends the program: the event loop returns and the process exits with `code`.
void End(int code = 0);
bool Ended();

} // namespace platform::application
