#include "platform/widgets/MdiWindowMenu.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

namespace platform::widgets {

void UseRussianWindowMenu(QMdiSubWindow *window)
{
    QMenu *menu = window->systemMenu();
    if (!menu)
        return;
    // The frame's menu holds, in this order: restore, move, size, minimise, maximise, stay on top, a
    // separator and close.
    const char *const captions[] = {"Восстановить", "Переместить", "Размер", "Свернуть", "Развернуть", nullptr,
                                    nullptr,        "Закрыть"};
    const QList<QAction *> actions = menu->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction *action = actions[i];
        action->setShortcuts({});
        if (action->isSeparator())
            continue;
        if (i < int(std::size(captions)) && captions[i])
            action->setText(QString::fromUtf8(captions[i]));
        else
            action->setVisible(false);
    }
}

} // namespace platform::widgets
