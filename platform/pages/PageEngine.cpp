#include "platform/pages/PageEngine.h"

#include "platform/pages/PagePane.h"

#include <QCoreApplication>
#include <QFile>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <dlfcn.h>

// The context that every OpenGL context of the application shares its resources with. QtGui keeps it
// for Qt WebEngine and the widgets that show the engine's pictures; it has no public setter.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

namespace platform::pages {
namespace {

// What a pane is made as when the module cannot be loaded: it shows nothing.
class BlankPagePane : public PagePane {
public:
    using PagePane::PagePane;

    void LoadDocument(const QString &) override {}
    void LoadURL(const QString &) override {}
    void SetBaseURL(const QString &) override {}
    void SetBrowseMode(const QString &) override {}
    void Reload() override {}
};

QOpenGLContext *shareContext = nullptr;

void DeleteShareContext()
{
    if (qt_gl_global_share_context() == shareContext)
        qt_gl_set_global_share_context(nullptr);
    delete shareContext;
    shareContext = nullptr;
}

// The engine draws pages in textures of that shared context. The application makes one at its start only
// when asked to before it exists, and then brings up OpenGL for every start; made here, it costs only the
// starts that show a page. It must exist before the engine's library is loaded: the engine takes a library
// loaded without it for a plugin, and fails. Where the platform has no OpenGL (offscreen) the context
// stays invalid and the engine draws in software, as it would with the application's.
void ShareGraphicsContext()
{
    if (qt_gl_global_share_context())
        return;
    shareContext = new QOpenGLContext;
    shareContext->setFormat(QSurfaceFormat::defaultFormat());
    shareContext->create();
    qt_gl_set_global_share_context(shareContext);
    qAddPostRoutine(DeleteShareContext);
}

EnginePaneMaker LoadEngine()
{
    ShareGraphicsContext();
    const QString module = QCoreApplication::applicationDirPath() + QStringLiteral("/PageEngine.so");
    void *library = dlopen(QFile::encodeName(module).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        qWarning("The page engine is missing, pages are not shown: %s", dlerror());
        return nullptr;
    }
    auto make = reinterpret_cast<EnginePaneMaker>(dlsym(library, EnginePaneMakerName));
    if (!make)
        qWarning("The page engine %s has no panes: %s", qPrintable(module), dlerror());
    return make;
}

} // namespace

PagePane *CreateEnginePane(QWidget *parent)
{
    static const EnginePaneMaker make = LoadEngine();
    if (make)
        return make(parent);
    return new BlankPagePane(parent);
}

} // namespace platform::pages
