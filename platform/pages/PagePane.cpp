#include "platform/pages/PagePane.h"

#include "platform/pages/WebPagePane.h"

#include <utility>

namespace platform::pages {
namespace {
PagePaneFactory paneFactory;
}

PagePane *CreatePagePane(QWidget *parent)
{
    if (paneFactory)
        return paneFactory(parent);
    return new WebPagePane(parent);
}

void SetPagePaneFactory(PagePaneFactory factory)
{
    paneFactory = std::move(factory);
}

} // namespace platform::pages
