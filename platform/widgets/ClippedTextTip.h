#pragma once

#include <QComboBox>
#include <QEvent>
#include <QHelpEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>

// A combo box too narrow for the entry it shows (a code page's long name, a deep folder) shows that entry
// whole in a tool tip when the pointer rests on it; an entry that fits needs none. Header-only, so that
// the file-system control library, which links no part of the program's windows, shares it.
class ClippedTextTip : public QObject {
public:
    // Watches `combo` for as long as it lives.
    static void Attach(QComboBox *combo) { combo->installEventFilter(new ClippedTextTip(combo)); }

    // Whether the entry that `combo` shows is wider than the room its box gives it.
    static bool Clipped(const QComboBox &combo)
    {
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        option.editable = combo.isEditable();
        option.frame = combo.hasFrame();
        option.currentText = combo.currentText();
        option.currentIcon = combo.itemIcon(combo.currentIndex());
        option.iconSize = combo.iconSize();
        int room = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
        if (!option.currentIcon.isNull())
            room -= option.iconSize.width() + 4; // the style's gap between the icon and the text
        return combo.fontMetrics().horizontalAdvance(option.currentText) > room;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *combo = static_cast<QComboBox *>(watched);
        // A tip that the program gave the box is its own.
        if (event->type() != QEvent::ToolTip || !combo->toolTip().isEmpty())
            return false;
        if (Clipped(*combo))
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), combo->currentText(), combo);
        else
            QToolTip::hideText();
        return true;
    }

private:
    explicit ClippedTextTip(QComboBox *combo) : QObject(combo) {}
};
