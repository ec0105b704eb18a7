#pragma once

#include <QString>

// The document side's hold on the main window: the active document, the Window-menu items and the
// document tabs.
namespace mdlFile {

// Pictures of the document tabs for the states 0 to 3: 1-based positions in the tab strip's image list,
// 0 when the picture is missing.
inline int TabImageNew = 0, TabImageNewChanged = 0, TabImageOpen = 0, TabImageOpenChanged = 0;

void ActivateDocument(int index, bool setFocus, bool deactivate);
// The Window menu's mark on the active document's item and on no other: the program sets the marks,
// whatever a click on an item did to it.
void MarkActiveWindowItem();
// Unloads an open document's window and empties its element.
bool UnloadDocument(int index);

void RefreshWindowMenu();
void AddDocumentTab(int index);
void UpdateDocumentTab(int index);
void UpdateDocumentTabImage(int index);
void RemoveDocumentTab(int index);
int GetDocumentTabIndex(int index);
void ShowNoFilesTab();
void RemoveNoFilesTab();

} // namespace mdlFile
