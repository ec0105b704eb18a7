#include "platform/widgets/TabListAccessible.h"

#include "platform/widgets/MultiRowTabStrip.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

// One tab of a strip, by its position; it lives as long as the strip's own interface.
class PageTab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTab(MultiRowTabStrip *strip, int position) : strip_(strip), position_(position) {}

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
        return kind == QAccessible::Name && isValid() ? strip_->Caption(position_) : QString();
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
    QPointer<MultiRowTabStrip> strip_;
    int position_;
};

class PageTabList : public QAccessibleWidget {
public:
    explicit PageTabList(MultiRowTabStrip *strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}

    ~PageTabList() override
    {
        for (const QAccessible::Id id : std::as_const(tabs_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return strip()->Count(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= strip()->Count())
            return nullptr;
        if (const QAccessible::Id id = tabs_.value(index))
            return QAccessible::accessibleInterface(id);
        auto *tab = new PageTab(strip(), index + 1);
        tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto tab = tabs_.cbegin(); tab != tabs_.cend(); ++tab)
            if (QAccessible::accessibleInterface(tab.value()) == child)
                return tab.key();
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const int position = strip()->TabAt(strip()->mapFromGlobal(QPoint(x, y)));
        return position > 0 ? child(position - 1) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return strip()->hasFocus() ? child(strip()->SelectedPosition() - 1) : nullptr;
    }

private:
    MultiRowTabStrip *strip() const { return static_cast<MultiRowTabStrip *>(widget()); }

    // By 0-based index, made when first asked for.
    mutable QHash<int, QAccessible::Id> tabs_;
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("MultiRowTabStrip"))
        if (auto *strip = qobject_cast<MultiRowTabStrip *>(object))
            return new PageTabList(strip);
    return nullptr;
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
