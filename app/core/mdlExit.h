#pragma once

#include "platform/files/FileError.h"

#include <QList>
#include <QString>

// The orderly end of the program: documents closed with their prompts, working files removed, settings
// written, windows unloaded.
namespace mdlExit {

void ExitProgram();
bool CloseAllFiles();
// Removes the preview copies and generated pages from the working folder; the hand-over file stays.
void DeleteTempFiles();
// A file of the program's own that could not be written, and why.
struct WriteFailure {
    QString path;
    platform::files::FileError error = platform::files::FileError::None;
};
// Writes setting.ini, then user.ini; returns those that failed, each with its reason.
QList<WriteFailure> SaveSettings();
void UnloadMainAndEnd();

} // namespace mdlExit
