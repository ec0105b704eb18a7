#pragma once

#include "platform/pages/PagePane.h"

#include <QUrl>

class QWebEngineView;

namespace platform::pages {

// The page pane over Qt WebEngine. The engine starts only when the first page is shown, so that a
// window holding a pane opens without it; pages without a declared charset read as windows-1251.
class WebPagePane : public PagePane {
    Q_OBJECT

public:
    explicit WebPagePane(QWidget *parent = nullptr);
    ~WebPagePane() override;

    void LoadDocument(const QString &path) override;
    void LoadURL(const QString &address) override;
    void SetBaseURL(const QString &folder) override;
    void SetBrowseMode(const QString &mode) override;
    void Reload() override;

    // The engine's view; nothing until the first page was shown.
    QWebEngineView *View() const { return view_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWebEngineView *EnsureView();
    // Shows the local page `path` with its relative links resolving in `base`.
    void ShowDocument(const QString &path, const QString &base);
    void WatchInput(QObject *object);
    void EmitKey(const QKeyEvent &event);

    QWebEngineView *view_ = nullptr;
    // The local page file shown, the folder its links resolve in, and the address that shows it so;
    // all empty while the pane shows a page from an address.
    QString document_;
    QString base_;
    QUrl address_;
    // The local page is to be loaded at `address_` once the calls of the moment are done.
    bool loadPending_ = false;
};

} // namespace platform::pages
