#pragma once

#include <QString>

class QWidget;

// The shared helpers that hand work to the desktop; they need the GUI, so they stay out of the core.
namespace mdlLibrary {

// Opens a file or an address with its associated program, or starts the program `file` with
// `parameters` as its one argument. False when nothing could be started; callers carry on regardless.
bool ShellOpen(const QString &file, const QString &parameters, bool maximized);

// The folder that the user picks, with one trailing "/"; empty when the user cancelled. The picker
// opens in `startFolder` when that folder exists.
QString BrowseFolder(QWidget *owner, const QString &title, const QString &startFolder);

} // namespace mdlLibrary
