#include "platform/pages/PageEngine.h"
#include "platform/pages/WebPagePane.h"

#include <type_traits>

extern "C" platform::pages::PagePane *CreateWebPagePane(QWidget *parent)
{
    return new platform::pages::WebPagePane(parent);
}

static_assert(std::is_same_v<decltype(&CreateWebPagePane), platform::pages::EnginePaneMaker>);
