#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QStyleOptionTab;

// A tab strip whose tabs stand in as many rows as its width asks for, every caption whole and wrapped at
// its blanks, above a client area that its owner covers with pages of its own. Tabs are addressed by
// 1-based position and carry a key. A user's choice of a tab (a click, the press action of assistive
// technology) raises BeforeClick before the selection changes and Click after, once each; Select raises
// them too, BeforeClick only when the selection changes. The strip shows itself to assistive technology as
// a page tab list with one page tab per tab.
class MultiRowTabStrip : public QWidget {
    Q_OBJECT

public:
    explicit MultiRowTabStrip(QWidget *parent = nullptr);

    int Count() const { return int(tabs_.size()); }
    // Adds a tab at `position` (1-based; past the end appends) and returns its position.
    int Add(int position, const QString &key, const QString &caption);
    QString Key(int position) const;
    QString Caption(int position) const;
    // The selected tab's position; 0 when there is none.
    int SelectedPosition() const { return selected_ + 1; }
    // Selects the tab at `position`; a position outside the strip changes nothing.
    void Select(int position);
    // Chooses the tab at `position` as the user's click does: BeforeClick and Click, once each, also for
    // the tab that is selected already.
    void Press(int position);
    // The position of the tab under `point` (the strip's own coordinates); 0 when there is none.
    int TabAt(const QPoint &point) const;

    // The area below the tabs, in the coordinates of the strip's parent.
    QRect ClientArea() const;
    // A tab's rectangle in the strip's own coordinates.
    QRect TabRect(int position) const;

signals:
    void BeforeClick();
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Tab {
        QString key;
        QString caption;
    };

    // The narrowest a tab may be: its longest word and the style's margins.
    int SmallestTabWidth() const;
    int TabsPerRow() const;
    int RowHeight() const;
    int TabsHeight() const;
    QStyleOptionTab TabOption(int index) const;
    // Makes the tab at `index` the selected one and tells the assistive technology.
    void SetSelected(int index);

    QList<Tab> tabs_;
    int selected_ = -1;
};
