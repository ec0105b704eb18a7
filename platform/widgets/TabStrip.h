#pragma once

#include <QIcon>
#include <QList>
#include <QTabBar>

// A tab strip addressed like the classic common control: tabs by 1-based position, each with an optional
// key, and a click that is raised also when code selects a tab. The strip shows itself to assistive
// technology as a page tab list named by its accessible name, with one page tab per tab.
class TabStrip : public QTabBar {
    Q_OBJECT

public:
    explicit TabStrip(QWidget *parent = nullptr);

    int Count() const { return count(); }
    // Adds a tab at `position` (1-based; past the end appends) and returns its position.
    int Add(int position, const QString &key, const QString &caption);
    void Remove(int position);
    void Clear();
    QString Key(int position) const;
    // The selected tab's position; 0 when there is none.
    int SelectedPosition() const { return currentIndex() + 1; }
    void Select(int position);
    // Chooses the tab at `position` as the user's click does.
    void Press(int position);
    // The caption as it was given, each "&" as it stands.
    QString Caption(int position) const;
    void SetCaption(int position, const QString &caption);
    QString ToolTip(int position) const { return tabToolTip(position - 1); }
    void SetToolTip(int position, const QString &toolTip);
    // A tab's rectangle in the strip's own coordinates.
    QRect TabRect(int position) const { return tabRect(position - 1); }
    // The position of the tab under `point` (the strip's own coordinates); 0 when there is none.
    int TabAt(const QPoint &point) const { return tabAt(point) + 1; }
    // Picture by 1-based index into the strip's image list; 0 shows none.
    void SetImage(int position, int imageIndex);

    // The strip's image list; pictures are numbered from 1 in the order added.
    QList<QIcon> Images;

signals:
    // A tab was chosen, by the user or by Select.
    void Click();
};
