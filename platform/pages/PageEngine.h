#pragma once

class QWidget;

// The page engine's module, PageEngine.so beside the executable, and the one entry it exports.
namespace platform::pages {

class PagePane;

// The module's entry: a new engine pane inside `parent`.
using EnginePaneMaker = PagePane *(*)(QWidget *parent);
inline constexpr char EnginePaneMakerName[] = "CreateWebPagePane";

// A new engine pane inside `parent`; the first call loads the module. Without the module the pane shows
// nothing, and the reason is logged.
PagePane *CreateEnginePane(QWidget *parent);

} // namespace platform::pages
