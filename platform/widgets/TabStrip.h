#pragma once

#include <QIcon>
#include <QList>
#include <QTabBar>

// A tab strip addressed like the classic common control: tabs by 1-based position, each with an optional
// key, and a click that is raised also when code selects a tab.
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
    void SetCaption(int position, const QString &caption);
    void SetToolTip(int position, const QString &toolTip);
    // Picture by 1-based index into the strip's image list; 0 shows none.
    void SetImage(int position, int imageIndex);

    // The strip's image list; pictures are numbered from 1 in the order added.
    QList<QIcon> Images;

signals:
    // A tab was chosen, by the user or by Select.
    void Click();
};
