#include "platform/pages/PagePane.h"

#include "platform/pages/PageEngine.h"
#include "platform/shell/Shell.h"

#include <QStringList>
#include <QUrl>

#include <utility>

namespace platform::pages {
namespace {
PagePaneFactory paneFactory;
}

bool FollowLink(const QUrl &link, bool newWindow)
{
    static const QStringList outside = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                        QStringLiteral("mailto")};
    const bool local = link.isLocalFile();
    if (local && !newWindow)
        return true;
    if (local || outside.contains(link.scheme())) {
        shell::OpenDocument(link.toString(QUrl::FullyEncoded), false);
        return false;
    }
    // The engine's own schemes (about:, data:) mean nothing to the desktop; such a link is left to the
    // pane, and opens no window.
    return !newWindow;
}

PagePane *CreatePagePane(QWidget *parent)
{
    if (paneFactory)
        return paneFactory(parent);
    return CreateEnginePane(parent);
}

void SetPagePaneFactory(PagePaneFactory factory)
{
    paneFactory = std::move(factory);
}

} // namespace platform::pages
