#pragma once

#include <QString>

namespace platform::editor {
class Editor;
}

// Applying the syntax languages to editors, and the main window's Syntax menu.
namespace mdlLanguage {

void RegisterLanguage(int index);
void ApplyLanguage(platform::editor::Editor *editor, int index, bool syncPanel);
// Applies the language `syntaxName` names (or, when it is empty, language `index`) to the editor.
void SetDocumentLanguage(platform::editor::Editor *editor, int index, const QString &syntaxName, bool syncPanel);
void CheckLanguageMenu(int index);
void FillLanguageMenu();

} // namespace mdlLanguage
