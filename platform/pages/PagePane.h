#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QUrl;

// A pane that shows pages, view only: local page files and addresses. Windows hold it through this
// interface; tests put a recording pane in its place (SetPagePaneFactory).
namespace platform::pages {

class PagePane : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows the local page file `path` (a full path).
    virtual void LoadDocument(const QString &path) = 0;
    // Shows the page at `address`.
    virtual void LoadURL(const QString &address) = 0;
    // The folder, ending in "/", against which the shown page's relative links and pictures resolve;
    // set right after LoadDocument or LoadURL.
    virtual void SetBaseURL(const QString &folder) = 0;
    // Written with the empty text before a preview loads; a page shown here is never editable anyway.
    virtual void SetBrowseMode(const QString &mode) = 0;
    // Shows the page again as it now is on disk (the "{F5}" key of a browser).
    virtual void Reload() = 0;

signals:
    // A key pressed while the pane has the focus: its Windows key code and the modifier states.
    void onkeydown(int KeyCode, bool shiftKey, bool ctrlKey, bool altKey);
    // The shown page changed (loaded) or was clicked.
    void DisplayChanged();
};

// A link clicked in a pane's page. Links between local pages stay in the pane; addresses ("http:",
// "https:", "ftp:", "mailto:"), and local links that ask for a new window, go to the user's browser or
// mail program through the shell. True when the pane is to follow the link itself.
bool FollowLink(const QUrl &link, bool newWindow);

// A new pane inside `parent`: the page engine's pane, or what the factory set for tests makes.
PagePane *CreatePagePane(QWidget *parent);

// While a factory is set, CreatePagePane calls it instead; an empty factory restores the engine's pane.
using PagePaneFactory = std::function<PagePane *(QWidget *parent)>;
void SetPagePaneFactory(PagePaneFactory factory);

} // namespace platform::pages
