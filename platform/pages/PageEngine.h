#pragma once

#include <QString>
#include <QtPlugin>

class QWidget;

// The page engine's module, PageEngine.so beside the executable: a Qt plugin whose root object makes the
// engine's panes. Its metadata names the version of the program it was built with ("version"), and the
// loader reads that, and the file's headers, before it loads anything of the module.
namespace platform::pages {

class PagePane;

class PageEngine {
public:
    virtual ~PageEngine() = default;
    // A new engine pane inside `parent`.
    virtual PagePane *CreatePane(QWidget *parent) = 0;
};

// Why the module file at `module` may not be loaded, as the user is told; empty when it may. Nothing of
// the module runs: only its headers and its metadata are read.
QString EngineModuleRefusal(const QString &module);

// A new engine pane inside `parent`; the first call loads the module. When it cannot be loaded, the user
// is told why, that once, and every pane shows nothing.
PagePane *CreateEnginePane(QWidget *parent);

} // namespace platform::pages

#define VELLICOR_PAGE_ENGINE_IID "org.marrowin.Vellicor.PageEngine"
Q_DECLARE_INTERFACE(platform::pages::PageEngine, VELLICOR_PAGE_ENGINE_IID)
