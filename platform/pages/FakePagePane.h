#pragma once

#include "platform/pages/PagePane.h"

#include <QList>
#include <QPointer>
#include <QUrl>

// A pane that shows nothing and records what it was asked to show, for tests of the windows that hold
// page panes. While a FakePagePanes object lives, every pane made is one of these.
namespace platform::pages {

class FakePagePane : public PagePane {
public:
    using PagePane::PagePane;

    struct Call {
        QString operation;
        QString argument;
        bool operator==(const Call &) const = default;
    };
    QList<Call> calls;

    void LoadDocument(const QString &path) override { calls.append({QStringLiteral("LoadDocument"), path}); }
    void LoadURL(const QString &address) override { calls.append({QStringLiteral("LoadURL"), address}); }
    void SetBaseURL(const QString &folder) override { calls.append({QStringLiteral("BaseURL"), folder}); }
    void SetBrowseMode(const QString &mode) override { calls.append({QStringLiteral("BrowseMode"), mode}); }
    void Reload() override { calls.append({QStringLiteral("Reload"), QString()}); }

    // A click on a link in the page, as the engine's pane decides it; a link that the pane follows is
    // recorded as "Link".
    void ClickLink(const QUrl &link, bool newWindow = false)
    {
        if (FollowLink(link, newWindow))
            calls.append({QStringLiteral("Link"), link.toString()});
    }

    // A key press in the page, as the page reports it.
    void PressKey(int keyCode, bool shift = false, bool ctrl = false, bool alt = false)
    {
        emit onkeydown(keyCode, shift, ctrl, alt);
    }
};

class FakePagePanes {
public:
    FakePagePanes()
    {
        SetPagePaneFactory([this](QWidget *parent) {
            auto *pane = new FakePagePane(parent);
            made.append(pane);
            return pane;
        });
    }
    ~FakePagePanes() { SetPagePaneFactory({}); }
    FakePagePanes(const FakePagePanes &) = delete;
    FakePagePanes &operator=(const FakePagePanes &) = delete;

    FakePagePane *last() const { return made.isEmpty() ? nullptr : made.last().data(); }

    QList<QPointer<FakePagePane>> made;
};

} // namespace platform::pages
