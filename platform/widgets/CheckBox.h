#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto further lines within the box's width, as the classic control's
// does when the control is tall enough; the box itself stands beside the first line.
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit CheckBox(const QString &text, QWidget *parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // The caption is part of the box: a click on any of its lines toggles it.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    // Where the caption starts, right of the box.
    int CaptionIndent() const;
    // The caption's lines laid into `width` pixels beside the box.
    QRect CaptionRect(int width) const;
    int FirstLineHeight() const;
};
