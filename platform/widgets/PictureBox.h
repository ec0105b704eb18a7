#pragma once

#include <QFrame>
#include <QImage>

// A picture box: an inner area, inside a sunken border, that shows a picture at its top left over a
// background colour and keeps what is drawn on it. Coordinates are twips from the inner top-left corner;
// colours are colour numbers R + 256·G + 65536·B. What the box shows and what Point reads are one and the
// same image, never the screen.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent);

    // The inner area, the parent of the controls placed inside the box.
    QWidget *Inside() const { return inside_; }

    // The inner area's size in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;

    // Setting the picture or the background colour clears what was drawn.
    void SetPicture(const QImage &picture);
    void SetBackColor(int colour);
    int BackColor() const { return backColor_; }

    // Clears what was drawn, leaving the background and the picture.
    void Cls();
    // Fills the rectangle between two corners, both included, with a colour.
    void FillBox(int x1, int y1, int x2, int y2, int colour);
    // The colour number at a point; -1 for a point outside the inner area.
    int Point(int x, int y) const;

signals:
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(Qt::MouseButtons buttons, int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Brings the inner area and the image to the box's present size (a hidden box is told of a new size
    // only when it shows); what was drawn stays where it was.
    void Fit() const;
    QImage Blank() const;

    QWidget *inside_ = nullptr;
    QImage picture_;
    mutable QImage image_;
    int backColor_ = 0;
};
