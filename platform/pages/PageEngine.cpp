#include "platform/pages/PageEngine.h"

#include "platform/dialogs/MessageBox.h"
#include "platform/pages/ModuleFile.h"
#include "platform/pages/PagePane.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QSurfaceFormat>
#include <QWidget>

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

QString ModuleFileRefusal(ModuleFile state, const QString &module)
{
    switch (state) {
    case ModuleFile::Sound:
        return QString();
    case ModuleFile::Missing:
        return QStringLiteral("Файл модуля просмотра %1 не найден.").arg(module);
    case ModuleFile::NotRegular:
        return QStringLiteral("%1 не является файлом: на месте модуля просмотра находится папка, канал или устройство.")
            .arg(module);
    case ModuleFile::TooLarge:
        return QStringLiteral("Файл %1 слишком велик для модуля просмотра.").arg(module);
    case ModuleFile::Unreadable:
        return QStringLiteral("Файл модуля просмотра %1 не удается прочитать.").arg(module);
    case ModuleFile::Damaged:
        break;
    }
    return QStringLiteral("Файл модуля просмотра %1 поврежден или скопирован не полностью.").arg(module);
}

// The engine of the module that the checks let through, or why it could not be loaded.
PageEngine *LoadEngine(const QString &module, QString &refusal)
{
    refusal = EngineModuleRefusal(module);
    if (!refusal.isEmpty())
        return nullptr;
    ShareGraphicsContext();
    // Kept for the program's life: the engine's panes are the module's code.
    auto *loader = new QPluginLoader(module);
    // Every symbol is bound now, so that a module built against other libraries fails here, not in a pane.
    loader->setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
    auto *engine = qobject_cast<PageEngine *>(loader->instance());
    if (!engine)
        refusal = QStringLiteral("Модуль просмотра %1 не загружается: нет нужных ему библиотек или они другой версии.")
                      .arg(module);
    return engine;
}

} // namespace

QString EngineModuleRefusal(const QString &module)
{
    if (const QString refusal = ModuleFileRefusal(CheckModuleFile(module), module); !refusal.isEmpty())
        return refusal;
    const QJsonObject metaData = QPluginLoader(module).metaData();
    if (metaData.value(u"IID").toString() != QLatin1String(VELLICOR_PAGE_ENGINE_IID))
        return QStringLiteral("Файл %1 не является модулем просмотра этой программы.").arg(module);
    if (metaData.value(u"MetaData").toObject().value(u"version").toString() != QLatin1String(VELLICOR_VERSION))
        return QStringLiteral("Модуль просмотра %1 собран для другой версии программы: нужен модуль версии %2.")
            .arg(module, QLatin1String(VELLICOR_VERSION));
    return QString();
}

PagePane *CreateEnginePane(QWidget *parent)
{
    // Settled before the user is told: the message box serves events meanwhile, and a pane made then is
    // blank without a second message.
    static bool tried = false;
    static PageEngine *engine = nullptr;
    if (!tried) {
        tried = true;
        QString refusal;
        engine = LoadEngine(QCoreApplication::applicationDirPath() + QStringLiteral("/PageEngine.so"), refusal);
        if (!engine)
            dialogs::MsgBox(QStringLiteral("Просмотр страниц недоступен.\r\n") + refusal +
                                QStringLiteral("\r\nПравка, запись и остальные команды работают как обычно."),
                            dialogs::vbExclamation, QStringLiteral("Ошибка чтения"),
                            parent ? parent->window() : nullptr);
    }
    if (engine)
        return engine->CreatePane(parent);
    return new BlankPagePane(parent);
}

} // namespace platform::pages
