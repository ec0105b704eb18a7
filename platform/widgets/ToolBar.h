#pragma once

#include <QIcon>
#include <QToolBar>

// A tool bar addressed like the classic common control: buttons by 1-based position, separators counted,
// each under a key, and a click that names the clicked button's key. A button that shows only its picture
// is named by its tip for assistive technology.
class ToolBar : public QToolBar {
    Q_OBJECT

public:
    enum ButtonStyle { Default = 0, Separator = 3 };

    explicit ToolBar(QWidget *parent = nullptr);

    int Count() const { return int(actions().size()); }
    // Adds a button at `position` (1-based; past the end appends) and returns its position. A separator
    // shows neither caption nor picture.
    int Add(int position, const QString &key, const QString &caption, ButtonStyle style, const QIcon &picture);
    void Clear();
    QString Key(int position) const;
    bool IsSeparator(int position) const;
    QString ToolTip(int position) const;
    void SetToolTip(int position, const QString &toolTip);
    QIcon Picture(int position) const;
    // Clicks the button as the user does; a separator takes no click.
    void Click(int position);

signals:
    void ButtonClick(const QString &key);

protected:
    void actionEvent(QActionEvent *event) override;

private:
    QAction *Button(int position) const;
};
