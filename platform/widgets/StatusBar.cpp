#include "platform/widgets/StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(const QList<Panel> &panels, QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(true);
    for (const Panel &panel : panels) {
        auto *label = new QLabel(this);
        label->setObjectName(panel.key);
        label->setToolTip(panel.toolTip);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(60);
        addPermanentWidget(label, panel.stretch ? 1 : 0);
        panels_.append(label);
    }
}

QString StatusBar::PanelText(int position) const
{
    return position >= 1 && position <= panels_.size() ? panels_[position - 1]->text() : QString();
}

void StatusBar::SetPanelText(int position, const QString &text)
{
    if (position >= 1 && position <= panels_.size())
        panels_[position - 1]->setText(text);
}
