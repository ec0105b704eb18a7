#include "platform/pages/WebPagePane.h"

#include "platform/keys/KeyCodes.h"

#include <QChildEvent>
#include <QDir>
#include <QFile>
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

// The engine shows content handed over whole only up to 2 MB, counted after its base64 encoding.
constexpr qint64 LargestContent = 3 * 512 * 1024;

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
                FollowLink(request.requestedUrl(), true);
        });
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeLinkClicked && !FollowLink(url, false))
            return false;
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

QWebEngineView *WebPagePane::EnsureView()
{
    if (view_)
        return view_;
    const bool focused = hasFocus();
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
    document_ = path;
    EnsureView()->load(QUrl::fromLocalFile(path));
}

void WebPagePane::LoadURL(const QString &address)
{
    document_.clear();
    EnsureView()->load(QUrl::fromUserInput(address));
}

void WebPagePane::SetBaseURL(const QString &folder)
{
    // A page from an address keeps its own base; a local page already resolves against its folder.
    if (document_.isEmpty() || folder.isEmpty() || SameFolder(folder, FolderOf(document_)))
        return;
    QFile file(document_);
    if (file.size() > LargestContent || !file.open(QIODevice::ReadOnly))
        return;
    // The bytes go over as they are, so a charset that the page declares still wins over the default.
    const QString base = folder.endsWith(u'/') ? folder : folder + u'/';
    EnsureView()->setContent(file.readAll(), QStringLiteral("text/html"), QUrl::fromLocalFile(base));
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
