// The module's root object. The metadata file holds the program's version; the build writes it.
#include "platform/pages/PageEngine.h"
#include "platform/pages/WebPagePane.h"

#include <QObject>

namespace platform::pages {

class WebPageEngine : public QObject, public PageEngine {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELLICOR_PAGE_ENGINE_IID FILE "PageEngineVersion.json")
    Q_INTERFACES(platform::pages::PageEngine)

public:
    PagePane *CreatePane(QWidget *parent) override { return new WebPagePane(parent); }
};

} // namespace platform::pages

#include "PageEngineModule.moc"
