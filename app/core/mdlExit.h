#pragma once

// The orderly end of the program: documents closed with their prompts, working files removed, settings
// written, windows unloaded.
namespace mdlExit {

void ExitProgram();
bool CloseAllFiles();
// Removes the preview copies and generated pages from the working folder; the hand-over file stays.
void DeleteTempFiles();
void SaveSettings();
void UnloadMainAndEnd();

} // namespace mdlExit
