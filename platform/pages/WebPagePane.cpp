#include "platform/pages/WebPagePane.h"

#include "platform/keys/KeyCodes.h"
#include "platform/pages/BasedPages.h"

#include <QChildEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace platform::pages {
namespace {

QString FolderOf(const QString &file)
{
    return QFileInfo(file).absolutePath() + u'/';
}

bool SameFolder(const QString &a, const QString &b)
{
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

// The page of a pane: a clicked link that leads out of the pane goes to the shell instead of loading.
class PanePage : public QWebEnginePage {
public:
    explicit PanePage(QObject *parent) : QWebEnginePage(parent)
    {
        // The view makes no window of its own, so a link's request for one arrives here with its address.
        // A page's script opening windows unasked reaches nobody.
        connect(this, &QWebEnginePage::newWindowRequested, this, [](QWebEngineNewWindowRequest &request) {
            if (request.isUserInitiated())
                FollowLink(LocalAddress(request.requestedUrl()), true);
        });
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (type != NavigationTypeLinkClicked)
            return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
        // A link from a page shown against a base folder leads to a local page like any other: the pane
        // shows that page from its file.
        const QUrl target = isMainFrame ? LocalAddress(url) : url;
        if (!FollowLink(target, false))
            return false;
        if (target != url) {
            QTimer::singleShot(0, this, [this, target] { load(target); });
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
};

} // namespace

WebPagePane::WebPagePane(QWidget *parent) : PagePane(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

WebPagePane::~WebPagePane()
{
    ForgetBasedAddress(address_, document_);
}

QWebEngineView *WebPagePane::EnsureView()
{
    if (view_)
        return view_;
    const bool focused = hasFocus();
    PrepareBasedPages();
    view_ = new QWebEngineView(this);
    view_->setPage(new PanePage(view_));
    view_->settings()->setDefaultTextEncoding(QStringLiteral("windows-1251"));
    layout()->addWidget(view_);
    setFocusProxy(view_);
    // Input goes to the engine's inner widget, made now or later; the view reports its children.
    view_->installEventFilter(this);
    for (QObject *child : view_->children())
        WatchInput(child);
    connect(view_, &QWebEngineView::loadFinished, this, &PagePane::DisplayChanged);
    if (focused)
        view_->setFocus();
    return view_;
}

void WebPagePane::WatchInput(QObject *object)
{
    if (object->isWidgetType())
        object->installEventFilter(this);
}

void WebPagePane::LoadDocument(const QString &path)
{
    ShowDocument(path, FolderOf(path));
}

void WebPagePane::LoadURL(const QString &address)
{
    ForgetBasedAddress(address_, document_);
    document_.clear();
    base_.clear();
    address_.clear();
    loadPending_ = false;
    EnsureView()->load(QUrl::fromUserInput(address));
}

void WebPagePane::SetBaseURL(const QString &folder)
{
    // A page from an address keeps its own base.
    if (document_.isEmpty() || folder.isEmpty() || SameFolder(folder, base_))
        return;
    ShowDocument(document_, folder.endsWith(u'/') ? folder : folder + u'/');
}

// The load waits for the event loop: a base set right after the page is taken into the same load, so
// the page is not loaded twice.
void WebPagePane::ShowDocument(const QString &path, const QString &base)
{
    EnsureView();
    ForgetBasedAddress(address_, document_);
    document_ = path;
    base_ = base;
    address_ = BasedAddress(path, base);
    if (loadPending_)
        return;
    loadPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!loadPending_)
            return;
        loadPending_ = false;
        view_->load(address_);
    });
}

void WebPagePane::Reload()
{
    // A load still to come shows the page as it is on disk anyway.
    if (view_ && !loadPending_)
        view_->reload();
}

void WebPagePane::SetBrowseMode(const QString &)
{
    // The pane only ever shows pages; there is no editing mode to leave.
}

bool WebPagePane::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == view_)
            WatchInput(static_cast<QChildEvent *>(event)->child());
        break;
    case QEvent::KeyPress:
        if (watched != view_)
            EmitKey(*static_cast<QKeyEvent *>(event));
        break;
    case QEvent::MouseButtonPress:
        if (watched != view_)
            emit DisplayChanged();
        break;
    default: break;
    }
    return PagePane::eventFilter(watched, event);
}

void WebPagePane::keyPressEvent(QKeyEvent *event)
{
    // With the view in place, keys arrive here only when the page left them unhandled; they were
    // reported on their way in already.
    if (!view_)
        EmitKey(*event);
    PagePane::keyPressEvent(event);
}

void WebPagePane::EmitKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    emit onkeydown(keys::VirtualKeyCode(event), modifiers.testFlag(Qt::ShiftModifier),
                   modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::AltModifier));
}

} // namespace platform::pages
