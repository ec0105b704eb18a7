#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QVariant>
#include <QWidget>

#include <dlfcn.h>

#include <functional>
#include <memory>

// Waiting on the real page engine, for the tests that drive it. The runner links no part of the engine:
// its panes load it when the first is made, as the program's do, and the engine's own calls go through
// EngineProbe.so beside the runner, loaded once the engine is.

// Whether `pane` is the engine's pane.
inline bool IsEnginePane(const QObject *pane)
{
    return pane && pane->inherits("platform::pages::WebPagePane");
}

// The engine's view inside the real `pane`; none until the pane showed its first page.
inline QWidget *EngineView(const QWidget *pane)
{
    for (QWidget *child : pane->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->inherits("QWebEngineView"))
            return child;
    return nullptr;
}

// EngineProbe.so, loaded with its first use.
inline void *EngineProbeLibrary()
{
    static void *library = [] {
        const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/EngineProbe.so");
        void *loaded = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!loaded)
            qFatal("%s", dlerror());
        return loaded;
    }();
    return library;
}

// The probe's function `name`, of type `Function`.
template <typename Function>
Function EngineProbe(const char *name)
{
    return reinterpret_cast<Function>(dlsym(EngineProbeLibrary(), name));
}

// Runs `script` in the view's page and returns its result, or nothing when the engine did not answer.
inline QVariant RunScript(QWidget &view, const QString &script)
{
    using Run = void (*)(QWidget *, const QString &, const std::function<void(const QVariant &)> &);
    struct Answer {
        QVariant value;
        bool given = false;
    };
    // The answer may come after the wait gave up.
    const auto answer = std::make_shared<Answer>();
    EngineProbe<Run>("ProbeRunScript")(&view, script, [answer](const QVariant &value) {
        answer->value = value;
        answer->given = true;
    });
    return QTest::qWaitFor([&] { return answer->given; }, 20000) ? answer->value : QVariant();
}

// While it lives, the addresses that the view's page asks the engine for.
class RequestRecorder {
public:
    explicit RequestRecorder(QWidget &view) : view_(view) { Record(&urls); }
    ~RequestRecorder() { Record(nullptr); }
    RequestRecorder(const RequestRecorder &) = delete;
    RequestRecorder &operator=(const RequestRecorder &) = delete;

    QList<QUrl> urls;

private:
    void Record(QList<QUrl> *into) { EngineProbe<void (*)(QWidget *, QList<QUrl> *)>("ProbeRecordRequests")(&view_, into); }

    QWidget &view_;
};

// What a real-engine test says when the engine finished no load: the test fails, for a pane left untested
// is no pass.
inline constexpr const char *EngineLoadedNothing =
    "Qt WebEngine finished no page load, so the real page pane could not be tested; it needs "
    "QT_QPA_PLATFORM=offscreen and, as root, QTWEBENGINE_DISABLE_SANDBOX=1";

// Waits for the view to finish a load; false when the engine never finished one well.
inline bool WaitForPage(QWidget &view)
{
    QSignalSpy finished(&view, SIGNAL(loadFinished(bool)));
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (finished.isEmpty() && !finished.wait(20000))
            return false;
        if (finished.takeFirst().at(0).toBool())
            return true;
    }
    return false;
}
