#pragma once

#include <QString>

class QWidget;

// The shared helpers that hand work to the desktop; they need the GUI, so they stay out of the core.
namespace mdlLibrary {

// Opens a document, a folder or an address with the user's associated program; a document is never run,
// even when it is executable. False when nothing could be opened; callers carry on regardless.
bool ShellOpen(const QString &file, bool maximized);
// Starts the program that a tag button names, with `parameters` as its one argument. False when nothing
// could be started.
bool ShellStart(const QString &program, const QString &parameters, bool maximized);

// The folder that the user picks, with one trailing "/"; empty when the user cancelled. The picker
// opens in `startFolder` when that folder exists.
QString BrowseFolder(QWidget *owner, const QString &title, const QString &startFolder);

} // namespace mdlLibrary
