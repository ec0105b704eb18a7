#pragma once

#include <QSignalSpy>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

// Waiting on the real page engine, for the tests that drive it.

// Runs `script` in the view's page and returns its result, or nothing when the engine did not answer.
inline QVariant RunScript(QWebEngineView &view, const QString &script)
{
    QVariant result;
    bool answered = false;
    view.page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        answered = true;
    });
    return QTest::qWaitFor([&] { return answered; }, 20000) ? result : QVariant();
}

// What a real-engine test says when the engine finished no load: the test fails, for a pane left untested
// is no pass.
inline constexpr const char *EngineLoadedNothing =
    "Qt WebEngine finished no page load, so the real page pane could not be tested; it needs "
    "QT_QPA_PLATFORM=offscreen and, as root, QTWEBENGINE_DISABLE_SANDBOX=1";

// Waits for the view to finish a load; false when the engine never finished one well.
inline bool WaitForPage(QWebEngineView &view)
{
    QSignalSpy finished(&view, &QWebEngineView::loadFinished);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (finished.isEmpty() && !finished.wait(20000))
            return false;
        if (finished.takeFirst().at(0).toBool())
            return true;
    }
    return false;
}
