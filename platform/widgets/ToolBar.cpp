#include "platform/widgets/ToolBar.h"

#include <QAction>
#include <QActionEvent>
#include <QToolButton>

ToolBar::ToolBar(QWidget *parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(this, &QToolBar::actionTriggered, this, [this](QAction *button) {
        emit ButtonClick(button->data().toString());
    });
}

void ToolBar::actionEvent(QActionEvent *event)
{
    QToolBar::actionEvent(event);
    if (event->type() == QEvent::ActionRemoved)
        return;
    // A button with a caption is named by it, as Qt names every button.
    QAction *button = event->action();
    if (QWidget *shown = widgetForAction(button))
        shown->setAccessibleName(button->text().isEmpty() ? button->toolTip() : QString());
}

QAction *ToolBar::Button(int position) const
{
    const QList<QAction *> buttons = actions();
    return position >= 1 && position <= buttons.size() ? buttons[position - 1] : nullptr;
}

int ToolBar::Add(int position, const QString &key, const QString &caption, ButtonStyle style, const QIcon &picture)
{
    QAction *before = Button(position);
    QAction *button = style == Separator ? new QAction(this) : new QAction(picture, caption, this);
    button->setSeparator(style == Separator);
    button->setData(key);
    insertAction(before, button);
    return int(actions().indexOf(button)) + 1;
}

void ToolBar::Clear()
{
    const QList<QAction *> buttons = actions();
    clear();
    qDeleteAll(buttons);
}

QString ToolBar::Key(int position) const
{
    const QAction *button = Button(position);
    return button ? button->data().toString() : QString();
}

bool ToolBar::IsSeparator(int position) const
{
    const QAction *button = Button(position);
    return button && button->isSeparator();
}

QString ToolBar::ToolTip(int position) const
{
    const QAction *button = Button(position);
    return button ? button->toolTip() : QString();
}

void ToolBar::SetToolTip(int position, const QString &toolTip)
{
    if (QAction *button = Button(position))
        button->setToolTip(toolTip);
}

QIcon ToolBar::Picture(int position) const
{
    const QAction *button = Button(position);
    return button ? button->icon() : QIcon();
}

void ToolBar::Click(int position)
{
    QAction *button = Button(position);
    if (!button || button->isSeparator())
        return;
    if (auto *shown = qobject_cast<QToolButton *>(widgetForAction(button)))
        shown->click();
}
