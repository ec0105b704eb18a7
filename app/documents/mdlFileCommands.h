#pragma once

// The main window's commands brought in line with the active document: enabled while they can act,
// checked where they show its state. They run when a menu opens, when a document becomes active or
// closes, and (the edit commands) after the editor's keys, clicks and changes.
namespace mdlFile {

void RefreshDocumentCommands();
// The code-page lists check the active document's file and view code pages.
void RefreshCodeMenus();
void RefreshEditCommands();
// A Help entry is enabled when its address, or its file in the help folder, is there to open.
void RefreshHelpFileMenu();

} // namespace mdlFile

namespace mdlLoad {

// Fills the View menu's two code-page lists, one item per code page, once at start.
void FillCodeMenus();

} // namespace mdlLoad
