#include "platform/widgets/PictureBox.h"

#include "platform/forms/Twips.h"
#include "platform/widgets/ColorNumbers.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

using platform::forms::PixelsTowardZero;
using platform::forms::Twips;
using platform::forms::TwipsPerPixel;
using platform::widgets::ColorNumberOf;
using platform::widgets::ColorOf;

// The pixel that holds a twip coordinate; a negative coordinate lies outside.
int PixelOf(int twips)
{
    return twips < 0 ? -1 : PixelsTowardZero(twips);
}

// Draws `source` at the top left of `target`; an empty box takes nothing.
void DrawAtOrigin(QImage &target, const QImage &source)
{
    if (!target.isNull() && !source.isNull())
        QPainter(&target).drawImage(0, 0, source);
}

QPoint TwipsOf(const QMouseEvent *mouse)
{
    return (mouse->position() * TwipsPerPixel).toPoint();
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    inside_ = new QWidget(this);
    inside_->installEventFilter(this);
    // Until the owner says otherwise, the box has the window's own colour.
    backColor_ = ColorNumberOf(palette().color(QPalette::Window));
}

int PictureBox::ScaleWidth() const
{
    return Twips(contentsRect().width());
}

int PictureBox::ScaleHeight() const
{
    return Twips(contentsRect().height());
}

void PictureBox::SetPicture(const QImage &picture)
{
    picture_ = picture;
    Cls();
}

void PictureBox::SetBackColor(int colour)
{
    backColor_ = colour;
    Cls();
}

QImage PictureBox::Blank() const
{
    QImage blank(contentsRect().size(), QImage::Format_RGB32);
    blank.fill(ColorOf(backColor_));
    DrawAtOrigin(blank, picture_);
    return blank;
}

void PictureBox::Fit() const
{
    if (inside_->geometry() == contentsRect() && image_.size() == contentsRect().size())
        return;
    inside_->setGeometry(contentsRect());
    const QImage drawn = image_;
    image_ = Blank();
    DrawAtOrigin(image_, drawn);
}

void PictureBox::Cls()
{
    image_ = Blank();
    Fit();
    inside_->update();
}

void PictureBox::FillBox(int x1, int y1, int x2, int y2, int colour)
{
    Fit();
    if (image_.isNull())
        return;
    const QRect box = QRect(QPoint(PixelOf(std::min(x1, x2)), PixelOf(std::min(y1, y2))),
                            QPoint(PixelOf(std::max(x1, x2)), PixelOf(std::max(y1, y2))));
    QPainter(&image_).fillRect(box, ColorOf(colour));
    inside_->update(box);
}

int PictureBox::Point(int x, int y) const
{
    Fit();
    const int px = PixelOf(x);
    const int py = PixelOf(y);
    if (!image_.valid(px, py))
        return -1;
    return ColorNumberOf(image_.pixelColor(px, py));
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    Fit();
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != inside_)
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        Fit();
        QPainter(inside_).drawImage(0, 0, image_);
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        emit MouseDown(mouse->button(), TwipsOf(mouse).x(), TwipsOf(mouse).y());
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        emit MouseMove(mouse->buttons(), TwipsOf(mouse).x(), TwipsOf(mouse).y());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        emit MouseUp(mouse->button(), TwipsOf(mouse).x(), TwipsOf(mouse).y());
        return true;
    }
    default:
        return QFrame::eventFilter(watched, event);
    }
}
