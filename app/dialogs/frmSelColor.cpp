#include "app/dialogs/frmSelColor.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/TwipLayout.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/keys/KeyCodes.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Pictures.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>

namespace {

using TwipLayout::Box;
using TwipLayout::Pixels;
using TwipLayout::Place;
using TwipLayout::Twips;

// Designed sizes and distances in twips.
constexpr int SpectrWidth = 3870;
constexpr int SpectrHeight = 3990;
constexpr int PanelWidth = 216;
constexpr int MarkerSize = 315;
constexpr int PointerWidth = 75;
constexpr int PointerHeight = 135;
constexpr int ColorViewDesignedLeft = 120;
constexpr int SwatchWidth = 732;
constexpr int SwatchHeight = 612;
constexpr int SwatchTop = 60;
constexpr int LabelColorWidth = 732;
constexpr int LabelNegativeWidth = 852;
constexpr int LabelHeight = 252;
constexpr int LabelTop = 60;
constexpr int TextWidth = 800;
constexpr int TextHeight = 288;
constexpr int TextTop = 300;
constexpr int ButtonWidth = 1332;
constexpr int ButtonHeight = 372;
constexpr int BoxMargin = 60;
// A line edit keeps this many pixels between its frame and its text on either side.
constexpr int LineEditMargin = 2;
// A spectrum pick stays this far inside the right and bottom edges.
constexpr int SpectrEdgeGap = 12;
// The pointer's tip sits this much below the middle of its picture's height.
constexpr int PointerOffset = 12;

// The pictures drawn for the window, in the setting folder.
const QString SpectrumPicture = QStringLiteral("selcolor_hues.png");
const QString MarkerPicture = QStringLiteral("selcolor_marker.gif");
const QString PointerPicture = QStringLiteral("selcolor_pointer.gif");

QString ColorText(int colour)
{
    return mdlLibrary::ConvertColor(QString::number(colour), 1, 2);
}

// The designed width of a colour text box suits an 8-point font; a wider host font gets the width that
// shows the widest colour text whole, frame and margins included.
int ColorTextWidth(const QLineEdit *box)
{
    const QFontMetricsF metrics(box->font());
    qreal widest = 0;
    for (const QChar digit : QStringLiteral("0123456789ABCDEF"))
        widest = std::max(widest, metrics.horizontalAdvance(u'#' + QString(6, digit)));
    // One pixel more for the caret after the text.
    const QSize text(qCeil(widest) + 1 + 2 * LineEditMargin, qCeil(metrics.height()));
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    return std::max(TextWidth, Twips(box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, box).width()));
}

// Both text boxes hold upper-case texts, whoever writes them.
void UpperCaseText(QLineEdit *box)
{
    const QString upper = box->text().toUpper();
    if (upper == box->text())
        return;
    const int caret = box->cursorPosition();
    box->setText(upper);
    box->setCursorPosition(caret);
}

// Focus that moves between the window's controls; leaving the program or opening a context menu is none.
bool MovesWithinWindow(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

frmSelColor::frmSelColor()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Выбор цвета"));

    picBox = new QWidget(this);
    picSpectr = new PictureBox(picBox);
    picSpectr->setCursor(Qt::CrossCursor);
    picSpectr->SetPicture(platform::widgets::LoadImage(mdlLoad::SettingFolder + SpectrumPicture));
    imgColor = new QLabel(picSpectr->Inside());
    imgColor->setPixmap(platform::widgets::LoadPicture(mdlLoad::SettingFolder + MarkerPicture));
    imgColor->resize(Pixels(MarkerSize), Pixels(MarkerSize));
    // A press on the marker is a press on the spectrum under it.
    imgColor->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgColor->hide();
    picPanel = new PictureBox(picBox);
    picPanel->setCursor(Qt::CrossCursor);
    imgPointer = new QLabel(picBox);
    imgPointer->setPixmap(platform::widgets::LoadPicture(mdlLoad::SettingFolder + PointerPicture));

    picColorView = new QWidget(picBox);
    picColorSelect = new PictureBox(picColorView);
    lblColorSelect = new QLabel(QStringLiteral("Цвет"), picColorView);
    txtColorSelect = new QLineEdit(picColorView);
    txtColorSelect->setAlignment(Qt::AlignCenter);
    picColorNegative = new PictureBox(picColorView);
    lblColoNegative = new QLabel(QStringLiteral("Негатив"), picColorView);
    txtColorNegative = new QLineEdit(picColorView);
    txtColorNegative->setAlignment(Qt::AlignCenter);
    cmmSelect = new QPushButton(QStringLiteral("Выбрать"), picBox);
    cmmSelect->setDefault(true);
    cmmCancel = new QPushButton(QStringLiteral("Отменить"), picBox);
    setTabOrder(txtColorSelect, txtColorNegative);
    setTabOrder(txtColorNegative, cmmSelect);
    setTabOrder(cmmSelect, cmmCancel);

    connect(cmmSelect, &QPushButton::clicked, this, &frmSelColor::cmmSelect_Click);
    connect(cmmCancel, &QPushButton::clicked, this, &frmSelColor::cmmCancel_Click);
    connect(picSpectr, &PictureBox::MouseDown, this,
            [this](Qt::MouseButton, int x, int y) { picSpectr_MouseDown(x, y); });
    connect(picSpectr, &PictureBox::MouseMove, this, &frmSelColor::picSpectr_MouseMove);
    connect(picSpectr, &PictureBox::MouseUp, this, &frmSelColor::picSpectr_MouseUp);
    connect(picPanel, &PictureBox::MouseDown, this, [this](Qt::MouseButton, int, int y) { picPanel_MouseDown(y); });
    connect(picPanel, &PictureBox::MouseMove, this, [this](Qt::MouseButtons buttons, int, int y) {
        picPanel_MouseMove(buttons, y);
    });
    connect(txtColorSelect, &QLineEdit::textChanged, this, &frmSelColor::txtColorSelect_Change);
    connect(txtColorNegative, &QLineEdit::textChanged, this, &frmSelColor::txtColorNegative_Change);
    txtColorSelect->installEventFilter(this);
    txtColorNegative->installEventFilter(this);
    Form_Load();
}

void frmSelColor::Form_Load()
{
    ArrangeControls();
    txtColorSelect->setText(mdlLoad::SelColorValue);
    ColorDecimal = mdlLibrary::ConvertColor(mdlLoad::SelColorValue, 2, 1);
    ApplyHexColor(txtColorSelect->text());
}

void frmSelColor::ShowSelColor(QWidget *owner)
{
    if (owner && parentWidget() != owner)
        setParent(owner, windowFlags());
    if (QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    platform::dialogs::ShowModal(*this);
}

void frmSelColor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The opening completes when the window is first shown, whether or not the window system activates
    // it; a later activation, or coming back from another program, keeps the user's choice.
    if (!event->spontaneous() && !opened_) {
        opened_ = true;
        Form_Activate();
    }
}

// The strip starts on the spectrum's top-left red with its pointer at the top, while the swatches and
// texts show the caller's colour; "Отменить" has the focus.
void frmSelColor::Form_Activate()
{
    int x = 0;
    int y = 0;
    picSpectr_MouseDown(x, y);
    imgColor->show();
    txtColorSelect->setText(mdlLoad::SelColorValue);
    txtColorSelect_LostFocus();
    cmmCancel->setFocus();
}

void frmSelColor::keyPressEvent(QKeyEvent *event)
{
    // "Отменить" is the cancel button.
    if (event->key() == Qt::Key_Escape) {
        cmmCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSelColor::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    // The title bar's close button unloads the window without an answer.
    if (event->isAccepted() && forms::frmSelColor.loaded() == this)
        mdlLoad::UnloadForm(forms::frmSelColor);
}

void frmSelColor::cmmSelect_Click()
{
    CloseSelector(true);
}

void frmSelColor::cmmCancel_Click()
{
    CloseSelector(false);
}

void frmSelColor::CloseSelector(bool ok)
{
    mdlLoad::SelColorOK = ok;
    if (ok)
        mdlLoad::SelColorValue = txtColorSelect->text();
    mdlLoad::UnloadForm(forms::frmSelColor);
}

// The point is kept inside the spectrum, and the caller's coordinates with it.
void frmSelColor::picSpectr_MouseDown(int &x, int &y)
{
    x = std::min(std::max(x, 0), picSpectr->ScaleWidth() - SpectrEdgeGap);
    y = std::min(std::max(y, 0), picSpectr->ScaleHeight() - SpectrEdgeGap);
    CentreMarker(x, y);
    imgColor->hide();
    PickSpectrumColor(x, y);
}

void frmSelColor::picSpectr_MouseMove(Qt::MouseButtons buttons, int x, int y)
{
    if (buttons == Qt::LeftButton)
        picSpectr_MouseDown(x, y);
}

void frmSelColor::picSpectr_MouseUp()
{
    imgColor->show();
}

void frmSelColor::CentreMarker(int x, int y)
{
    imgColor->move(Pixels(x - Twips(imgColor->width()) / 2), Pixels(y - Twips(imgColor->height()) / 2));
}

void frmSelColor::picPanel_MouseDown(int y)
{
    ShadePos = y;
    SelectShade(ShadePos);
}

void frmSelColor::picPanel_MouseMove(Qt::MouseButtons buttons, int y)
{
    if (buttons == Qt::LeftButton)
        picPanel_MouseDown(y);
}

void frmSelColor::txtColorSelect_GotFocus()
{
    txtColorSelect->selectAll();
    // Enter belongs to the box while it has the focus.
    cmmSelect->setDefault(false);
}

// True when the key is cancelled. Tab, Shift+Tab and Esc are the window's: they move the focus or cancel
// before the box sees them.
bool frmSelColor::txtColorSelect_KeyDown(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Escape)
        return false;
    using namespace platform::keys;
    const int code = VirtualKeyCode(key);
    if (code == VK_RETURN) {
        txtColorSelect->setCursorPosition(txtColorSelect->text().size());
        cmmSelect->setFocus();
        return true;
    }
    const bool passed = code == VK_BACK || code == VK_DELETE || (code >= VK_LEFT && code <= VK_DOWN) ||
                        (code >= '0' && code <= '9') || (code >= 'A' && code <= 'F');
    return !passed;
}

void frmSelColor::txtColorSelect_LostFocus()
{
    const QString nine = mdlLibrary::ConvertColor(txtColorSelect->text(), 2, 3);
    txtColorSelect->setText(mdlLibrary::ConvertColor(nine, 3, 2).toUpper());
    ApplyHexColor(txtColorSelect->text());
    cmmSelect->setDefault(true);
}

void frmSelColor::txtColorSelect_Change()
{
    UpperCaseText(txtColorSelect);
}

void frmSelColor::txtColorNegative_Change()
{
    UpperCaseText(txtColorNegative);
}

void frmSelColor::txtColorNegative_GotFocus()
{
    txtColorNegative->selectAll();
}

bool frmSelColor::eventFilter(QObject *watched, QEvent *event)
{
    // A click that brings the focus into a box places the caret there as the button goes down, over the
    // selection that the focus made; the whole text is selected again when the button comes up, unless
    // the user dragged over a part of it.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason) {
        clickedInto_ = qobject_cast<QLineEdit *>(watched);
    } else if (event->type() == QEvent::MouseButtonRelease && watched == clickedInto_) {
        if (!clickedInto_->hasSelectedText())
            clickedInto_->selectAll();
        clickedInto_ = nullptr;
    }
    if (watched == txtColorSelect) {
        if (event->type() == QEvent::FocusIn && MovesWithinWindow(event))
            txtColorSelect_GotFocus();
        else if (event->type() == QEvent::FocusOut && MovesWithinWindow(event))
            txtColorSelect_LostFocus();
        else if (event->type() == QEvent::KeyPress)
            return txtColorSelect_KeyDown(static_cast<const QKeyEvent &>(*event));
    } else if (watched == txtColorNegative && event->type() == QEvent::FocusIn && MovesWithinWindow(event)) {
        txtColorNegative_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

// The spectrum, the strip and the pointer side by side, the swatches and texts under them, the buttons
// below, ending under the strip's right edge; the window fits round the container.
void frmSelColor::ArrangeControls()
{
    const Box spectr{0, 0, SpectrWidth, SpectrHeight};
    const Box panel{spectr.Right() + 60, spectr.top, PanelWidth, spectr.height};
    const Box pointer{panel.Right() + 60, Twips(imgPointer->y()), PointerWidth, PointerHeight};
    const int boxWidth = pointer.Right() + 80;
    const Box view{0, spectr.Bottom() + 20, boxWidth - ColorViewDesignedLeft, SwatchHeight + 120};
    const Box swatch{0, SwatchTop, SwatchWidth, SwatchHeight};
    const int textWidth = ColorTextWidth(txtColorSelect);
    const Box text{swatch.Right() + 90, TextTop, textWidth, TextHeight};
    const Box label{text.left - 5, LabelTop, LabelColorWidth, LabelHeight};
    const Box negative{panel.Right() - SwatchWidth, SwatchTop, SwatchWidth, SwatchHeight};
    const Box negativeText{negative.left - textWidth - 90, TextTop, textWidth, TextHeight};
    const Box negativeLabel{negativeText.left - 85, LabelTop, LabelNegativeWidth, LabelHeight};
    const Box cancel{panel.Right() - ButtonWidth, view.Bottom() + 60, ButtonWidth, ButtonHeight};
    const Box select{cancel.left - cancel.width - 60, cancel.top, ButtonWidth, ButtonHeight};
    const Box box{BoxMargin, BoxMargin, boxWidth, select.Bottom() + 100};

    Place(picBox, box);
    Place(picSpectr, spectr);
    Place(picPanel, panel);
    Place(imgPointer, pointer);
    Place(picColorView, view);
    Place(picColorSelect, swatch);
    Place(txtColorSelect, text);
    Place(lblColorSelect, label);
    Place(picColorNegative, negative);
    Place(txtColorNegative, negativeText);
    Place(lblColoNegative, negativeLabel);
    Place(cmmCancel, cancel);
    Place(cmmSelect, select);
    setFixedSize(Pixels(box.width + 20), Pixels(box.height + 80));
}

void frmSelColor::PickSpectrumColor(int x, int y)
{
    DrawShadePanel(picSpectr->Point(x, y));
    SelectShade(ShadePos);
}

// Rows below the last band keep the strip's background.
void frmSelColor::DrawShadePanel(int colour)
{
    const int h = picPanel->ScaleHeight() / mdlLibrary::ShadeCount;
    picPanel->Cls();
    for (int band = 1; band <= mdlLibrary::ShadeCount; ++band)
        picPanel->FillBox(0, (band - 1) * h, picPanel->ScaleWidth(), band * h, mdlLibrary::ShadeColor(colour, band));
    txtColorSelect->setText(ColorText(colour));
}

// A point just below the strip reads as nothing, which makes the chosen colour black. The pointer keeps
// whole inside the container: at the strip's top it would lose its upper half, and it still points into
// the first band.
void frmSelColor::SelectShade(int y)
{
    y = std::min(std::max(y, 0), picPanel->ScaleHeight());
    const int pointerTop = Twips(picPanel->y()) + y - Twips(imgPointer->height()) / 2 + PointerOffset;
    imgPointer->move(imgPointer->x(), Pixels(std::max(pointerTop, 0)));
    ColorDecimal = QString::number(std::max(picPanel->Point(Twips(picPanel->width()) / 2, y), 0));
    ShadePos = y;
    picColorSelect->SetBackColor(ColorDecimal.toInt());
    ShowNegativeColor(ColorDecimal.toInt());
    txtColorSelect->setText(ColorText(ColorDecimal.toInt()));
}

void frmSelColor::ShowNegativeColor(int colour)
{
    const int inverse = mdlLibrary::InverseColor(colour);
    picColorNegative->SetBackColor(inverse);
    txtColorNegative->setText(ColorText(inverse));
}

// Shows a colour text as the chosen colour; the strip and its pointer stay as they are.
void frmSelColor::ApplyHexColor(const QString &text)
{
    const int colour = mdlLibrary::ConvertColor(text, 2, 1).toInt();
    picColorSelect->SetBackColor(colour);
    txtColorSelect->setText(ColorText(colour));
    ShowNegativeColor(colour);
}
