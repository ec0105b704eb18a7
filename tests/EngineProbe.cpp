// Reaches into the real page engine for the tests that drive it. A module of its own, loaded only once a
// pane has loaded the engine: the test runner links no part of the engine, so that its panes load the
// engine late, as the program's do.
#include <QList>
#include <QUrl>
#include <QVariant>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <functional>

namespace {

// Appends the address of every request of the view's page to a list of the test's.
class RequestRecorder : public QWebEngineUrlRequestInterceptor {
public:
    RequestRecorder(QList<QUrl> *urls, QObject *parent) : QWebEngineUrlRequestInterceptor(parent), urls_(urls) {}

    void interceptRequest(QWebEngineUrlRequestInfo &request) override { urls_->append(request.requestUrl()); }

private:
    QList<QUrl> *urls_;
};

QWebEngineView &ViewOf(QWidget *view)
{
    return *static_cast<QWebEngineView *>(view);
}

} // namespace

extern "C" __attribute__((visibility("default"))) void ProbeRunScript(
    QWidget *view, const QString &script, const std::function<void(const QVariant &)> &answer)
{
    ViewOf(view).page()->runJavaScript(script, answer);
}

// Records into `urls` from now on; a null list stops the recording.
extern "C" __attribute__((visibility("default"))) void ProbeRecordRequests(QWidget *view, QList<QUrl> *urls)
{
    QWebEnginePage *page = ViewOf(view).page();
    delete page->findChild<RequestRecorder *>(QString(), Qt::FindDirectChildrenOnly);
    page->setUrlRequestInterceptor(urls ? new RequestRecorder(urls, page) : nullptr);
}
