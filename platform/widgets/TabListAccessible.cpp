#include "platform/widgets/TabListAccessible.h"

#include "platform/widgets/MultiRowTabStrip.h"
#include "platform/widgets/TabStrip.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

// One tab of a strip, by its position; it lives as long as the strip's own interface.
template <class Strip>
class PageTab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTab(Strip *strip, int position) : strip_(strip), position_(position) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    bool isValid() const override { return strip_ && position_ <= strip_->Count(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(strip_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name)
            return strip_->Caption(position_);
        if constexpr (requires { strip_->ToolTip(position_); })
            if (kind == QAccessible::Description)
                return strip_->ToolTip(position_);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = strip_->TabRect(position_);
        return {strip_->mapToGlobal(tab.topLeft()), tab.size()};
    }

    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.selected = strip_->SelectedPosition() == position_;
        state.focusable = strip_->focusPolicy() != Qt::NoFocus;
        state.focused = state.selected && strip_->hasFocus();
        state.invisible = !strip_->isVisible();
        // A tab bar scrolls the tabs that do not fit out of sight.
        state.offscreen = !strip_->rect().intersects(strip_->TabRect(position_));
        state.disabled = !strip_->isEnabled();
        return state;
    }

    // Pressing a page tab is its default action, as for Qt's own tab bars.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid() && strip_->isEnabled())
            strip_->Press(position_);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<Strip> strip_;
    int position_;
};

template <class Strip>
class PageTabList : public QAccessibleWidget {
public:
    explicit PageTabList(Strip *strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}

    ~PageTabList() override
    {
        for (const QAccessible::Id id : std::as_const(tabs_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return strip()->Count() + QAccessibleWidget::childCount(); }

    QAccessibleInterface *child(int index) const override
    {
        const int tabs = strip()->Count();
        if (index >= tabs)
            return QAccessibleWidget::child(index - tabs);
        if (index < 0)
            return nullptr;
        if (const QAccessible::Id id = tabs_.value(index))
            return QAccessible::accessibleInterface(id);
        auto *tab = new PageTab<Strip>(strip(), index + 1);
        tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto tab = tabs_.cbegin(); tab != tabs_.cend(); ++tab)
            if (QAccessible::accessibleInterface(tab.value()) == child)
                return tab.key();
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : strip()->Count() + widget;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        // The strip's own buttons lie over its tabs.
        for (int index = strip()->Count(); index < childCount(); ++index) {
            QAccessibleInterface *button = child(index);
            if (button && !button->state().invisible && button->rect().contains(x, y))
                return button;
        }
        const int position = strip()->TabAt(strip()->mapFromGlobal(QPoint(x, y)));
        return position > 0 ? child(position - 1) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return strip()->hasFocus() ? child(strip()->SelectedPosition() - 1) : nullptr;
    }

private:
    Strip *strip() const { return static_cast<Strip *>(widget()); }

    // By 0-based index, made when first asked for.
    mutable QHash<int, QAccessible::Id> tabs_;
};

template <class Strip>
QAccessibleInterface *TabList(const QString &className, QObject *object)
{
    if (className == QLatin1String(Strip::staticMetaObject.className()))
        if (auto *strip = qobject_cast<Strip *>(object))
            return new PageTabList<Strip>(strip);
    return nullptr;
}

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (QAccessibleInterface *list = TabList<MultiRowTabStrip>(className, object))
        return list;
    return TabList<TabStrip>(className, object);
}

} // namespace

void InstallTabListAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}
