#include "platform/widgets/CheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <climits>

namespace {
constexpr int CaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

CheckBox::CheckBox(const QString &text, QWidget *parent) : QCheckBox(text, parent)
{
    // Its height follows its width: it grows by a line for each line that its caption wraps onto.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int CheckBox::CaptionIndent() const
{
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

int CheckBox::FirstLineHeight() const
{
    return std::max(style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this), fontMetrics().height());
}

QRect CheckBox::CaptionRect(int width) const
{
    const int indent = CaptionIndent();
    const QRect lines = fontMetrics().boundingRect(QRect(0, 0, std::max(1, width - indent), INT_MAX / 2),
                                                   CaptionFlags, text());
    // The first line sits centred beside the box, the others follow it.
    const int top = (FirstLineHeight() - fontMetrics().height()) / 2;
    return QRect(indent, top, lines.width(), lines.height());
}

int CheckBox::heightForWidth(int width) const
{
    const QRect caption = CaptionRect(width);
    return std::max(FirstLineHeight(), caption.bottom() + 1);
}

QSize CheckBox::sizeHint() const
{
    const int oneLine = CaptionIndent() + fontMetrics().horizontalAdvance(text()) + 1;
    return QSize(oneLine, heightForWidth(oneLine));
}

QSize CheckBox::minimumSizeHint() const
{
    // As narrow as the longest word, which no wrapping can break.
    int widest = 0;
    for (const QString &word : text().split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, fontMetrics().horizontalAdvance(word));
    const int width = CaptionIndent() + widest + 1;
    return QSize(width, heightForWidth(width));
}

void CheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    // The style draws the box beside the first line only; the caption is drawn wrapped below.
    option.text.clear();
    option.rect.setHeight(FirstLineHeight());
    painter.drawControl(QStyle::CE_CheckBox, option);

    const QRect lines = CaptionRect(width());
    const QRect area(lines.left(), lines.top(), width() - lines.left(), height() - lines.top());
    painter.drawItemText(area, CaptionFlags, option.palette, isEnabled(), caption, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = lines.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
