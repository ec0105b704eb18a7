#include "platform/widgets/TabStrip.h"

#include "platform/widgets/LiteralCaption.h"
#include "platform/widgets/TabListAccessible.h"

TabStrip::TabStrip(QWidget *parent) : QTabBar(parent)
{
    setExpanding(false);
    setDocumentMode(true);
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        // A click on the selected tab changes nothing in the bar, but is a click all the same.
        if (index >= 0 && index == currentIndex())
            emit Click();
    });
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            emit Click();
    });
    InstallTabListAccessible();
}

int TabStrip::Add(int position, const QString &key, const QString &caption)
{
    const QSignalBlocker blocker(this); // adding the first tab selects it without a click
    const int index = insertTab(position - 1, LiteralCaption(caption));
    setTabData(index, key);
    // A strip that is not shown yet keeps its old size for its layout unless told.
    updateGeometry();
    return index + 1;
}

void TabStrip::Remove(int position)
{
    const QSignalBlocker blocker(this);
    removeTab(position - 1);
    updateGeometry();
}

void TabStrip::Clear()
{
    while (count() > 0)
        Remove(1);
}

QString TabStrip::Key(int position) const
{
    return tabData(position - 1).toString();
}

void TabStrip::Select(int position)
{
    if (position - 1 == currentIndex())
        emit Click();
    else
        setCurrentIndex(position - 1);
}

void TabStrip::Press(int position)
{
    if (position < 1 || position > count())
        return;
    // What the bar does with a click on a tab.
    emit tabBarClicked(position - 1);
    setCurrentIndex(position - 1);
}

QString TabStrip::Caption(int position) const
{
    return tabText(position - 1).replace(QLatin1String("&&"), QLatin1String("&"));
}

void TabStrip::SetCaption(int position, const QString &caption)
{
    setTabText(position - 1, LiteralCaption(caption));
}

void TabStrip::SetToolTip(int position, const QString &toolTip)
{
    setTabToolTip(position - 1, toolTip);
}

void TabStrip::SetImage(int position, int imageIndex)
{
    setTabIcon(position - 1, imageIndex >= 1 && imageIndex <= Images.size() ? Images[imageIndex - 1] : QIcon());
}
