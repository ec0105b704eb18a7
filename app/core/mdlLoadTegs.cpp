#include "app/core/mdlLoadTegs.h"

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadButtons.h"
#include "app/core/mdlLoadLists.h"
#include "app/core/mdlLoadTegKeys.h"
#include "app/mainwindow/frmMain.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/ToolBar.h"

namespace mdlLoad {

void FillTegsTabs()
{
    frmMain *main = forms::frmMain.get();
    main->tlbTegs->Clear();
    main->tbsTegs->Clear();
    for (const NamedList &group : Panels)
        main->tbsTegs->Add(main->tbsTegs->Count() + 1, group.Name, group.Title);
    if (PanelButtons == 0)
        main->tbsTegs_Click();
    else if (PanelButtons >= 1 && PanelButtons <= main->tbsTegs->Count())
        main->tbsTegs->Select(PanelButtons);
}

void FillTegsToolbar(const QString &tabKey)
{
    ToolBar *bar = forms::frmMain->tlbTegs;
    const ImageList &pictures = forms::frmMain->imgPanel;
    const int group = ListNumber(tabKey.mid(1));
    bar->Clear();
    if (!Panels.contains(group))
        return;
    const Table<qint32> &ids = Panels[group].Items;
    for (int j = 1; j <= ids.count(); ++j) {
        const qint32 id = ids[j];
        if (id == 0) {
            bar->Add(j, TegButtonKey(tabKey, id, j), QString(), ToolBar::Separator, QIcon());
            continue;
        }
        // A negative id gets no button; the buttons after it keep their order.
        if (id < 0)
            continue;
        QString toolTip;
        const int picture = FindButton(id, toolTip);
        const QString key = TegButtonKey(tabKey, id, j);
        const int position = bar->Add(j, key, QString(), ToolBar::Default, pictures.Icon(picture));
        bar->SetToolTip(position, toolTip);
    }
}

} // namespace mdlLoad
