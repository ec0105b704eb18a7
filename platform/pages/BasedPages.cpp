#include "platform/pages/BasedPages.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace platform::pages {
namespace {

const QByteArray Scheme = QByteArrayLiteral("based");

class BasedPages : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // The shown pages by their address's path: the local file that each stands for.
    QHash<QString, QString> pages;

    void requestStarted(QWebEngineUrlRequestJob *job) override
    {
        const QString path = job->requestUrl().path();
        const auto page = pages.constFind(path);
        const QString file = page == pages.cend() ? path : *page;
        auto *content = new QFile(file, job);
        if (!QFileInfo(file).isFile() || !content->open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        // Without a charset, so that the page's own declaration or the pane's default decides.
        const QString mimeType = page != pages.cend()
                                     ? QStringLiteral("text/html")
                                     : QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchExtension).name();
        job->reply(mimeType.toLatin1(), content);
    }
};

BasedPages *handler = nullptr;

} // namespace

void PrepareBasedPages()
{
    if (handler)
        return;
    QWebEngineUrlScheme scheme(Scheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Local like "file:": a page from the network can reach none of it; its pages may load local files.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
    QWebEngineProfile *profile = QWebEngineProfile::defaultProfile();
    handler = new BasedPages(profile);
    profile->installUrlSchemeHandler(Scheme, handler);
}

QUrl BasedAddress(const QString &file, const QString &folder)
{
    PrepareBasedPages();
    QUrl address;
    address.setScheme(QString::fromLatin1(Scheme));
    address.setPath(folder + QFileInfo(file).fileName());
    handler->pages.insert(address.path(), file);
    return address;
}

void ForgetBasedAddress(const QUrl &address, const QString &file)
{
    if (handler && handler->pages.value(address.path()) == file)
        handler->pages.remove(address.path());
}

QUrl LocalAddress(const QUrl &address)
{
    if (address.scheme() != QLatin1String(Scheme))
        return address;
    QUrl local = QUrl::fromLocalFile(handler->pages.value(address.path(), address.path()));
    local.setFragment(address.fragment());
    return local;
}

} // namespace platform::pages
