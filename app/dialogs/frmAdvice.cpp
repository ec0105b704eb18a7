#include "app/dialogs/frmAdvice.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadAdvices.h"
#include "app/dialogs/TwipLayout.h"
#include "app/documents/mdlFileSave.h"
#include "app/mainwindow/frmMain.h"
#include "platform/forms/StoredRect.h"
#include "platform/keys/KeyCodes.h"
#include "platform/pages/PagePane.h"

#include <QCheckBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using TwipLayout::Pixels;
using TwipLayout::Place;
using TwipLayout::Twips;

// Designed sizes in twips.
constexpr int InnerWidth = 6510;
constexpr int InnerHeight = 4215;
constexpr int CheckHeight = 300;
constexpr int PictureWidth = 1200;

const QString TitleMarker = QStringLiteral("[advice_title]");
const QString TextMarker = QStringLiteral("[advice_text]");

// The strip at the window's left: the page's blue with a lamp near the top. It is drawn for whatever
// size the layout gives it, so the strip fills the control without the lamp losing its shape.
class AdvicePicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(0x28, 0x4a, 0x7a));
        fill.setColorAt(1, QColor(0x8c, 0xa6, 0xcc));
        painter.fillRect(rect(), fill);

        const double radius = std::min(width() * 0.26, 22.0);
        const QPointF centre(width() / 2.0, 18 + 2 * radius);
        QRadialGradient glow(centre, radius * 2.4);
        glow.setColorAt(0, QColor(255, 236, 160, 170));
        glow.setColorAt(1, QColor(255, 236, 160, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(centre, radius * 2.4, radius * 2.4);

        painter.setPen(QPen(QColor(255, 236, 160), 2, Qt::SolidLine, Qt::RoundCap));
        for (int ray = 0; ray < 7; ++ray) {
            const double angle = std::numbers::pi * (1.0 + ray / 6.0);
            const QPointF direction(std::cos(angle), std::sin(angle));
            painter.drawLine(centre + direction * radius * 1.35, centre + direction * radius * 1.85);
        }

        // The bulb and its neck as one outline, then the screw base below it.
        QPainterPath bulb;
        bulb.moveTo(centre + QPointF(-radius * 0.45, radius * 1.25));
        bulb.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 235, -290);
        bulb.lineTo(centre + QPointF(radius * 0.45, radius * 1.25));
        bulb.closeSubpath();
        QRadialGradient light(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
        light.setColorAt(0, QColor(255, 252, 228));
        light.setColorAt(1, QColor(0xe8, 0xa0, 0x30));
        painter.setPen(QPen(QColor(0x9a, 0x60, 0x10), 1.2));
        painter.setBrush(light);
        painter.drawPath(bulb);

        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xc8, 0xcf, 0xda));
        for (int ring = 0; ring < 3; ++ring)
            painter.drawRoundedRect(QRectF(centre.x() - radius * 0.5, centre.y() + radius * (1.3 + ring * 0.32),
                                           radius, radius * 0.24),
                                    2, 2);
    }
};

// The window's rectangle in the settings.
platform::forms::StoredRect StoredPosition()
{
    return {mdlLoad::AdviceLeft, mdlLoad::AdviceTop, mdlLoad::AdviceWidth, mdlLoad::AdviceHeight};
}

// A button of the designed size, wider when its caption needs it.
QPushButton *WideButton(const QString &caption, QWidget *parent)
{
    QPushButton *button = TwipLayout::Button(caption, parent);
    button->resize(std::max(button->width(), button->sizeHint().width()), button->height());
    return button;
}

} // namespace

frmAdvice::frmAdvice() : PageWindow(forms::frmMain.loaded(), forms::frmAdvice)
{
    setWindowTitle(QStringLiteral("Полезные советы"));
    resize(Pixels(InnerWidth), Pixels(InnerHeight));

    imgPicture = new AdvicePicture(picBox);
    imgPicture->resize(Pixels(PictureWidth), Pixels(InnerHeight));
    wbbAdvice = platform::pages::CreatePagePane(picBox);
    connect(wbbAdvice, &platform::pages::PagePane::onkeydown, this, &frmAdvice::wbbAdvice_onkeydown);
    chcOpenStart = new QCheckBox(QStringLiteral("Открывать окно при запуске программы"), picBox);
    chcOpenStart->resize(chcOpenStart->width(), Pixels(CheckHeight));
    cmmPreview = WideButton(QStringLiteral("Предыдущий"), picBox);
    cmmNext = WideButton(QStringLiteral("Следующий"), picBox);
    cmmNext->setDefault(true);
    cmmClose = WideButton(QStringLiteral("Закрыть"), picBox);
    connect(cmmPreview, &QPushButton::clicked, this, &frmAdvice::cmmPreview_Click);
    connect(cmmNext, &QPushButton::clicked, this, &frmAdvice::cmmNext_Click);
    connect(cmmClose, &QPushButton::clicked, this, &frmAdvice::cmmClose_Click);
    Form_Load();
}

void frmAdvice::Form_Load()
{
    platform::forms::RestoreRect(*this, StoredPosition());
    chcOpenStart->setCheckState(mdlLoad::DialogAdvice ? Qt::Checked : Qt::Unchecked);
    // A window not shown yet gets no resize events: the first layout is run here.
    Form_Resize();
    picBox_Resize();

    AdviceCount = 0;
    if (mdlLibrary::IsTextFile(mdlLoad::AdviceHtm)) {
        AdviceTemplate = mdlLibrary::FileReadText(mdlLoad::AdviceHtm);
        mdlLoad::LoadAdviceIni(mdlLoad::AdviceIni);
    }
    AdviceCount = mdlLoad::Advices.count();
    cmmNext_Click();
}

void frmAdvice::Form_Activate()
{
    cmmNext->setFocus();
}

// The picture down the left, the three buttons from the lower right leftwards, the check box above them
// right of the picture, the page above the check box. The first step without room leaves the rest as it
// was. The picture and the check box measure from the window's inner area (W, H), which is the box's
// (w, h) and its margins, so both end where the box's content ends.
void frmAdvice::picBox_Resize()
{
    const int W = Twips(width());
    const int H = Twips(height());
    const int w = Twips(picBox->width());
    const int h = Twips(picBox->height());
    const int closeWidth = Twips(cmmClose->width());
    const int closeHeight = Twips(cmmClose->height());

    if (H - closeHeight <= 180)
        return;
    const int pictureWidth = Twips(imgPicture->width());
    Place(imgPicture, 0, 0, pictureWidth, H - closeHeight - 180);

    if (w <= closeWidth || h <= closeHeight)
        return;
    const int closeLeft = w - closeWidth;
    const int closeTop = h - closeHeight;
    Place(cmmClose, closeLeft, closeTop, closeWidth, closeHeight);

    const int nextWidth = Twips(cmmNext->width());
    if (closeLeft - nextWidth <= 120)
        return;
    const int nextLeft = closeLeft - nextWidth - 120;
    Place(cmmNext, nextLeft, closeTop, nextWidth, Twips(cmmNext->height()));

    const int previewWidth = Twips(cmmPreview->width());
    if (nextLeft - previewWidth <= 120)
        return;
    Place(cmmPreview, nextLeft - previewWidth - 120, closeTop, previewWidth, Twips(cmmPreview->height()));

    const int checkHeight = Twips(chcOpenStart->height());
    if (closeTop - checkHeight <= 60 || W - pictureWidth <= 240)
        return;
    const int checkLeft = pictureWidth + 120;
    const int checkTop = closeTop - checkHeight - 60;
    const int checkWidth = W - pictureWidth - 240;
    Place(chcOpenStart, checkLeft, checkTop, checkWidth, checkHeight);

    if (checkLeft <= 60 || checkTop <= 0)
        return;
    Place(wbbAdvice, checkLeft - 60, 0, checkWidth + 60, checkTop);
}

// Both ways round the ring: after the last tip comes the first, before the first the last.
void frmAdvice::cmmNext_Click()
{
    ShowAdvice(mdlLoad::AdviceNow >= AdviceCount ? 1 : mdlLoad::AdviceNow + 1);
}

void frmAdvice::cmmPreview_Click()
{
    ShowAdvice(mdlLoad::AdviceNow >= 2 ? mdlLoad::AdviceNow - 1 : AdviceCount);
}

void frmAdvice::ShowAdvice(int index)
{
    if (const mdlLibrary::TextWritten written = mdlLibrary::FileWriteText(mdlLoad::TmpAdviceHtm, GetAdvicePage(index));
        !written) {
        mdlFile::ReportFileWriteError(written.error, mdlLoad::TmpAdviceHtm, this);
        return;
    }
    mdlLoad::AdviceNow = index;
    wbbAdvice->LoadDocument(mdlLoad::TmpAdviceHtm);
}

// The tips are the program's own list and hold markup of their own, so they go into the page as written.
// The title goes in first: a title holding the text's marker gets the text there too. A number outside
// the list leaves the markers.
QString frmAdvice::GetAdvicePage(int index) const
{
    QString page = AdviceTemplate;
    if (index < 0 || index > mdlLoad::Advices.count())
        return page;
    const StringPair &advice = mdlLoad::Advices[index];
    page.replace(TitleMarker, advice.First);
    page.replace(TextMarker, advice.Second);
    return page;
}

void frmAdvice::wbbAdvice_onkeydown(int keyCode, bool shift, bool ctrl, bool alt)
{
    AdviceKeyDown(keyCode, shift, ctrl, alt);
}

void frmAdvice::AdviceKeyDown(int keyCode, bool, bool, bool)
{
    using namespace platform::keys;
    switch (keyCode) {
    case VK_ESCAPE: cmmClose_Click(); break;
    case VK_LEFT: cmmPreview_Click(); break;
    case VK_RIGHT: cmmNext_Click(); break;
    default: break;
    }
}

void frmAdvice::Form_QueryUnload()
{
    SaveAdviceSetting();
}

// Any mark in the box, a grey one too, keeps the window opening at start. Storing twice gives the same.
void frmAdvice::SaveAdviceSetting()
{
    mdlLoad::DialogAdvice = chcOpenStart->checkState() != Qt::Unchecked;
    platform::forms::StoreRect(*this, StoredPosition());
    mdlLoad::Advices.clear();
}
