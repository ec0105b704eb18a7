#include "app/core/mdlLoad.h"
#include "app/dialogs/frmSelColor.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/widgets/PictureBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace dialogs = platform::dialogs;

namespace {

// Twips as the picture boxes count them, 15 to a pixel.
constexpr int Twips = 15;
// The strip's 31 bands, each 126 twips high on the strip's 3930 twips.
constexpr int BandHeight = 126;

QImage ShippedPicture(const char *name)
{
    return QImage(QStringLiteral(VELLICOR_SOURCE_DIR "/data/setting/") + QLatin1String(name));
}

int ColourNumber(QRgb pixel)
{
    return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
}

QString ColourText(int colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(colour & 255, 2, 16, QLatin1Char('0'))
        .arg((colour >> 8) & 255, 2, 16, QLatin1Char('0'))
        .arg((colour >> 16) & 255, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// The colour that the box shows at an inner pixel, taken from the screen's picture of the window.
int ShownColour(PictureBox *box, QPoint pixel)
{
    return ColourNumber(box->Inside()->grab().toImage().pixel(pixel));
}

// A band's colour as the strip holds it, read in the middle of the band.
int BandColour(frmSelColor &picker, int band)
{
    return picker.picPanel->Point(picker.picPanel->ScaleWidth() / 2, (band - 1) * BandHeight + BandHeight / 2);
}

QPoint MarkerCentre(frmSelColor &picker)
{
    return picker.imgColor->geometry().center();
}

// The user's key goes to the control that has the focus.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Presses a button inside the box, moves with it held to `to` and lets go there. The box holds the mouse
// while its button is down, so points outside it still reach it.
void Drag(PictureBox *box, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget *inside = box->Inside();
    QTest::mousePress(inside, button, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(inside->mapToGlobal(to)), Qt::NoButton, button,
                     Qt::NoModifier);
    QApplication::sendEvent(inside, &move);
    QTest::mouseRelease(inside, button, {}, to);
}

// The picker over an owner window, on the shipped pictures; the caller's colour setting is watched.
class ColourPicker : public testing::Test {
protected:
    void SetUp() override
    {
        mdlLoad::InitPaths(QStringLiteral(VELLICOR_SOURCE_DIR "/data"));
        mdlLoad::ColorPink = QStringLiteral("#123456");
        owner.show();
    }

    void TearDown() override
    {
        forms::frmSelColor.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs::SetDialogHook(nullptr);
    }

    // Opens the picker on `start` as the caller does; `act` stands in for the user while it is shown.
    // True when the user's act closed the window; one left open is unloaded then, as a close would.
    bool open(const QString &start, const std::function<void(frmSelColor &)> &act, bool callerFlag = false)
    {
        mdlLoad::SelColorOK = callerFlag;
        mdlLoad::SelColorValue = start;
        dialogs::SetDialogHook([&](QDialog &dialog) {
            dialog.show();
            QApplication::processEvents(); // the window system activates it, as a user's desktop does
            act(static_cast<frmSelColor &>(dialog));
            return 0;
        });
        forms::frmSelColor->ShowSelColor(&owner);
        const bool closed = !forms::frmSelColor.isLoaded();
        forms::frmSelColor.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closed;
    }

    const QImage spectrum = ShippedPicture("selcolor_hues.png");
    QWidget owner;
};

TEST(ColourPickerPictures, TheSpectrumMarkerAndPointerAreDrawnAsDesigned)
{
    const QImage spectrum = ShippedPicture("selcolor_hues.png");
    ASSERT_EQ(spectrum.size(), QSize(254, 262));
    EXPECT_FALSE(spectrum.hasAlphaChannel());
    EXPECT_EQ(spectrum.pixel(0, 0), qRgb(255, 0, 0)) << "red at the top left";
    for (int x = 0; x < spectrum.width(); ++x) {
        const QRgb top = spectrum.pixel(x, 0);
        EXPECT_EQ(std::max({qRed(top), qGreen(top), qBlue(top)}), 255) << "saturated top, column " << x;
        EXPECT_EQ(std::min({qRed(top), qGreen(top), qBlue(top)}), 0) << "saturated top, column " << x;
        EXPECT_EQ(spectrum.pixel(x, 261), qRgb(128, 128, 128)) << "grey bottom, column " << x;
        for (int y = 1; y < spectrum.height(); ++y) {
            const QRgb above = spectrum.pixel(x, y - 1);
            const QRgb here = spectrum.pixel(x, y);
            ASSERT_LE(std::abs(qRed(here) - 128), std::abs(qRed(above) - 128)) << x << ", " << y;
            ASSERT_LE(std::abs(qGreen(here) - 128), std::abs(qGreen(above) - 128)) << x << ", " << y;
            ASSERT_LE(std::abs(qBlue(here) - 128), std::abs(qBlue(above) - 128)) << x << ", " << y;
        }
    }
    // Hue in order from the left: yellow, green, cyan, blue, magenta at the sixths of the width.
    const QRgb hues[] = {qRgb(255, 255, 0), qRgb(0, 255, 0), qRgb(0, 255, 255), qRgb(0, 0, 255), qRgb(255, 0, 255)};
    for (int sixth = 1; sixth <= 5; ++sixth) {
        const QRgb top = spectrum.pixel(qRound(sixth * 254 / 6.0), 0);
        const QRgb hue = hues[sixth - 1];
        const int distance =
            std::abs(qRed(top) - qRed(hue)) + std::abs(qGreen(top) - qGreen(hue)) + std::abs(qBlue(top) - qBlue(hue));
        EXPECT_LE(distance, 12) << "sixth " << sixth;
    }

    const QImage marker = ShippedPicture("selcolor_marker.gif");
    ASSERT_EQ(marker.size(), QSize(21, 21));
    for (int y = 7; y <= 13; ++y)
        for (int x = 7; x <= 13; ++x)
            EXPECT_EQ(qAlpha(marker.pixel(x, y)), 0) << "the picked point shows through, " << x << ", " << y;
    // Black tips on the four axes, pointing at the centre, edged in white.
    for (const QPoint tip : {QPoint(10, 5), QPoint(10, 15), QPoint(5, 10), QPoint(15, 10)})
        EXPECT_EQ(marker.pixel(tip), qRgb(0, 0, 0)) << tip.x() << ", " << tip.y();
    for (const QPoint edge : {QPoint(10, 6), QPoint(10, 14), QPoint(6, 10), QPoint(14, 10)})
        EXPECT_EQ(marker.pixel(edge), qRgb(255, 255, 255)) << edge.x() << ", " << edge.y();
    EXPECT_EQ(qAlpha(marker.pixel(0, 0)), 0);

    const QImage pointer = ShippedPicture("selcolor_pointer.gif");
    ASSERT_EQ(pointer.size(), QSize(5, 9));
    EXPECT_EQ(pointer.pixel(0, 4), qRgb(0, 0, 0)) << "the tip, at the left";
    EXPECT_EQ(qAlpha(pointer.pixel(0, 0)), 0);
    for (int y = 0; y < 9; ++y)
        EXPECT_EQ(pointer.pixel(4, y), qRgb(0, 0, 0)) << "the base, at the right, row " << y;
}

TEST_F(ColourPicker, OpeningShowsTheCallersColourAndTheStripOfRed)
{
    struct Case {
        const char *start;
        const char *text;
        const char *negative;
        int colour;
    };
    const Case cases[] = {
        {"#ff8000", "#FF8000", "#007FFF", 255 + 256 * 128},
        {"ff0000", "#FF0000", "#00FFFF", 255},
        {"#abc", "#ABC000", "#543FFF", 0xAB + 256 * 0xC0},
        {"", "#000000", "#FFFFFF", 0},
        {"#0000FF", "#0000FF", "#FFFF00", 65536 * 255},
    };
    for (const Case &c : cases) {
        open(QString::fromLatin1(c.start), [&](frmSelColor &picker) {
            EXPECT_EQ(picker.windowTitle(), "Выбор цвета");
            EXPECT_EQ(picker.txtColorSelect->text(), c.text) << c.start;
            EXPECT_EQ(picker.txtColorNegative->text(), c.negative) << c.start;
            EXPECT_EQ(picker.picColorSelect->BackColor(), c.colour) << c.start;
            EXPECT_EQ(ShownColour(picker.picColorSelect, {20, 20}), c.colour) << c.start;
            EXPECT_EQ(ShownColour(picker.picColorNegative, {20, 20}), 0xFFFFFF - c.colour) << c.start;
            EXPECT_EQ(BandColour(picker, 1), 0xFFFFFF) << c.start;
            EXPECT_EQ(BandColour(picker, 16), 255) << "the shades of the spectrum's red, " << c.start;
            EXPECT_EQ(BandColour(picker, 31), 0) << c.start;
            EXPECT_EQ(picker.imgPointer->y(), 0) << "the pointer at the strip's top, " << c.start;
            EXPECT_TRUE(picker.imgColor->isVisible()) << c.start;
            EXPECT_EQ(MarkerCentre(picker), QPoint(0, 0)) << "the marker on the top left, " << c.start;
            EXPECT_TRUE(picker.cmmCancel->hasFocus()) << c.start;
            EXPECT_EQ(mdlLoad::SelColorValue, c.start) << "nothing is handed back while the window is open";
        });
    }
}

// A window system need not activate the window (no window manager, or one that keeps the focus where it
// was): the opening is complete as soon as the window shows, and an activation that comes later keeps
// what the user picked meanwhile.
TEST_F(ColourPicker, TheOpeningIsCompleteOnceShownEvenWithoutActivation)
{
    mdlLoad::SelColorOK = false;
    mdlLoad::SelColorValue = QStringLiteral("#ff8000");
    QString chosen;
    dialogs::SetDialogHook([&](QDialog &dialog) {
        auto &picker = static_cast<frmSelColor &>(dialog);
        picker.setAttribute(Qt::WA_ShowWithoutActivating);
        picker.show();
        EXPECT_FALSE(picker.isActiveWindow());
        for (int band = 1; band <= 31; ++band) {
            const int shade = BandColour(picker, band);
            const int red = shade & 255, green = (shade >> 8) & 255, blue = (shade >> 16) & 255;
            EXPECT_EQ(green, blue) << "a shade of red, band " << band;
            EXPECT_TRUE(band <= 16 ? red == 255 : green == 0) << "a shade of red, band " << band;
        }
        EXPECT_EQ(BandColour(picker, 1), 0xFFFFFF);
        EXPECT_EQ(BandColour(picker, 16), 255);
        EXPECT_EQ(ShownColour(picker.picPanel, {5, 15 * BandHeight / Twips + 4}), 255) << "the strip is drawn";
        EXPECT_EQ(picker.imgPointer->y(), 0);
        EXPECT_TRUE(picker.imgColor->isVisible());
        EXPECT_EQ(MarkerCentre(picker), QPoint(0, 0));
        EXPECT_EQ(picker.focusWidget(), picker.cmmCancel);
        EXPECT_EQ(picker.txtColorSelect->text(), "#FF8000");

        QTest::mouseClick(picker.picSpectr->Inside(), Qt::LeftButton, {}, {80, 80});
        QTest::mouseClick(picker.picPanel->Inside(), Qt::LeftButton, {}, {5, 200});
        chosen = picker.txtColorSelect->text();
        QApplication::setActiveWindow(&picker);
        QApplication::processEvents();
        EXPECT_TRUE(picker.isActiveWindow());
        EXPECT_EQ(picker.txtColorSelect->text(), chosen) << "the late activation keeps the pick";
        EXPECT_EQ(MarkerCentre(picker), QPoint(80, 80));
        EXPECT_EQ(BandColour(picker, 16), ColourNumber(spectrum.pixel(80, 80)));
        picker.cmmSelect->click();
        return 0;
    });
    forms::frmSelColor->ShowSelColor(&owner);
    EXPECT_TRUE(mdlLoad::SelColorOK);
    EXPECT_EQ(mdlLoad::SelColorValue, chosen);
    EXPECT_NE(chosen, "#FF8000");
}

TEST_F(ColourPicker, TheWindowIsLaidOutAsDesignedAndShowsItsTextsWhole)
{
    open(QStringLiteral("#ff8000"), [](frmSelColor &picker) {
        EXPECT_EQ(picker.size(), QSize(292, 357));
        EXPECT_EQ(picker.picBox->pos(), QPoint(4, 4));
        EXPECT_EQ(picker.picSpectr->geometry(), QRect(0, 0, 258, 266));
        EXPECT_EQ(picker.picSpectr->ScaleWidth(), 254 * Twips) << "the spectrum's inside is exactly its picture";
        EXPECT_EQ(picker.picSpectr->ScaleHeight(), 262 * Twips) << "the spectrum's inside is exactly its picture";
        EXPECT_EQ(picker.picPanel->geometry(), QRect(262, 0, 14, 266));
        EXPECT_EQ(picker.imgPointer->geometry(), QRect(280, 0, 5, 9));
        EXPECT_EQ(picker.picColorView->geometry().topLeft(), QPoint(0, 267));
        EXPECT_EQ(picker.cmmSelect->geometry(), QRect(95, 320, 89, 25));
        EXPECT_EQ(picker.cmmCancel->geometry(), QRect(188, 320, 88, 25));
        EXPECT_EQ(picker.picColorNegative->geometry().right(), picker.picPanel->geometry().right())
            << "the inverse swatch ends under the strip";
        EXPECT_EQ(picker.picColorSelect->geometry().left(), 0);

        EXPECT_LT(picker.txtColorSelect->geometry().right(), picker.lblColoNegative->geometry().left());
        EXPECT_LT(picker.txtColorNegative->geometry().right(), picker.picColorNegative->geometry().left());
        for (QLineEdit *box : {picker.txtColorSelect, picker.txtColorNegative}) {
            // A text wider than the box would scroll: its caret positions would lie closer than its width.
            const auto caretAt = [box](int position) {
                box->setCursorPosition(position);
                return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
            };
            for (const QString text : {"#000000", "#DDDDDD", "#BDBDBD", "#FFFFFF"}) {
                box->setText(text);
                const int end = caretAt(text.size());
                const int start = caretAt(0);
                EXPECT_GE(end - start, QFontMetrics(box->font()).horizontalAdvance(text) - 1)
                    << qPrintable(text) << " shown whole";
                EXPECT_GE(start, 0) << qPrintable(text);
                EXPECT_LE(end, box->width()) << qPrintable(text);
            }
        }
        for (QLabel *label : {picker.lblColorSelect, picker.lblColoNegative})
            EXPECT_LE(label->sizeHint().width(), label->width()) << qPrintable(label->text());
        for (QPushButton *button : {picker.cmmSelect, picker.cmmCancel})
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 8)
                << qPrintable(button->text());
    });
}

TEST_F(ColourPicker, TheSpectrumShownIsThePictureThatIsRead)
{
    open(QStringLiteral("#ff8000"), [this](frmSelColor &picker) {
        const QImage shown = picker.picSpectr->Inside()->grab().toImage();
        ASSERT_EQ(shown.size(), spectrum.size());
        const QRect marker = picker.imgColor->geometry();
        for (int y = 0; y < spectrum.height(); ++y) {
            for (int x = 0; x < spectrum.width(); ++x) {
                if (marker.contains(x, y))
                    continue;
                ASSERT_EQ(shown.pixel(x, y), spectrum.pixel(x, y)) << x << ", " << y;
                ASSERT_EQ(picker.picSpectr->Point(x * Twips, y * Twips), ColourNumber(spectrum.pixel(x, y)))
                    << x << ", " << y;
            }
        }
        EXPECT_EQ(picker.picSpectr->Point(-1, 0), -1);
        EXPECT_EQ(picker.picSpectr->Point(254 * Twips, 0), -1);
    });
}

TEST_F(ColourPicker, ASpectrumPickShowsItsHueOnTheStripAndChoosesWhite)
{
    const QPoint points[] = {{100, 50}, {200, 200}, {3, 250}, {253, 1}};
    for (const QPoint point : points) {
        open(QStringLiteral("#ff8000"), [&](frmSelColor &picker) {
            QTest::mousePress(picker.picSpectr->Inside(), Qt::LeftButton, {}, point);
            EXPECT_TRUE(picker.imgColor->isHidden()) << "no marker while the button is down";
            QTest::mouseRelease(picker.picSpectr->Inside(), Qt::LeftButton, {}, point);
            EXPECT_TRUE(picker.imgColor->isVisible());
            EXPECT_EQ(MarkerCentre(picker), point);
            EXPECT_EQ(BandColour(picker, 16), ColourNumber(spectrum.pixel(point))) << point.x() << ", " << point.y();
            const QPoint band16(5, 15 * BandHeight / Twips + 4);
            EXPECT_EQ(ShownColour(picker.picPanel, band16), ColourNumber(spectrum.pixel(point)))
                << "the strip shown is the strip read";
            EXPECT_EQ(picker.txtColorSelect->text(), "#FFFFFF") << "the pointer stays at the top, in band 1";
            EXPECT_EQ(picker.txtColorNegative->text(), "#000000");
            EXPECT_EQ(picker.picColorSelect->BackColor(), 0xFFFFFF);
        });
    }
}

TEST_F(ColourPicker, AnyButtonPicksButOnlyTheLeftOneDrags)
{
    open(QStringLiteral("#ff8000"), [this](frmSelColor &picker) {
        QTest::mouseClick(picker.picSpectr->Inside(), Qt::RightButton, {}, {40, 40});
        EXPECT_EQ(BandColour(picker, 16), ColourNumber(spectrum.pixel(40, 40)));

        Drag(picker.picSpectr, {60, 60}, {90, 90}, Qt::RightButton);
        EXPECT_EQ(BandColour(picker, 16), ColourNumber(spectrum.pixel(60, 60))) << "a right-button move picks nothing";

        Drag(picker.picSpectr, {60, 60}, {120, 30});
        EXPECT_EQ(BandColour(picker, 16), ColourNumber(spectrum.pixel(120, 30)));
        EXPECT_EQ(MarkerCentre(picker), QPoint(120, 30));
    });
}

TEST_F(ColourPicker, AStripPickInTheMiddleBandGivesTheSpectrumPixelAndAnAcceptReturnsIt)
{
    const bool closed = open(QStringLiteral("#ff8000"), [this](frmSelColor &picker) {
        QTest::mouseClick(picker.picSpectr->Inside(), Qt::LeftButton, {}, {150, 90});
        const int row = (15 * BandHeight + BandHeight / 2) / Twips; // within band 16
        QTest::mouseClick(picker.picPanel->Inside(), Qt::LeftButton, {}, {5, row});
        const int pixel = ColourNumber(spectrum.pixel(150, 90));
        EXPECT_EQ(picker.txtColorSelect->text(), ColourText(pixel));
        EXPECT_EQ(picker.txtColorNegative->text(), ColourText(0xFFFFFF - pixel));
        EXPECT_EQ(ShownColour(picker.picColorSelect, {20, 20}), pixel);
        EXPECT_EQ(ShownColour(picker.picColorNegative, {20, 20}), 0xFFFFFF - pixel);
        const int pointerMiddle = picker.imgPointer->geometry().center().y();
        const int pickedRow = picker.picPanel->y() + picker.picPanel->Inside()->y() + row;
        EXPECT_LE(std::abs(pointerMiddle - pickedRow), 2) << "the pointer stands level with the pick";

        // A later spectrum pick keeps the pointer's height: band 16 of the new hue.
        QTest::mouseClick(picker.picSpectr->Inside(), Qt::LeftButton, {}, {30, 200});
        EXPECT_EQ(picker.txtColorSelect->text(), ColourText(ColourNumber(spectrum.pixel(30, 200))));

        picker.cmmSelect->click();
    });
    EXPECT_TRUE(mdlLoad::SelColorOK);
    EXPECT_EQ(mdlLoad::SelColorValue, ColourText(ColourNumber(spectrum.pixel(30, 200))));
    EXPECT_EQ(mdlLoad::ColorPink, "#123456") << "the picker leaves the setting to its caller";
    EXPECT_TRUE(closed);
}

TEST_F(ColourPicker, TheBandsRunFromWhiteThroughTheColourToBlack)
{
    // A spectrum pixel that has a channel of 200.
    QPoint point;
    int shift = -1;
    for (int y = 0; y < spectrum.height() && shift < 0; ++y) {
        for (int x = 0; x < spectrum.width() && shift < 0; ++x) {
            for (const int s : {0, 8, 16}) {
                if (((ColourNumber(spectrum.pixel(x, y)) >> s) & 255) == 200) {
                    point = QPoint(x, y);
                    shift = s;
                    break;
                }
            }
        }
    }
    ASSERT_GE(shift, 0);
    open(QStringLiteral("#ff8000"), [&](frmSelColor &picker) {
        QTest::mouseClick(picker.picSpectr->Inside(), Qt::LeftButton, {}, point);
        const std::pair<int, int> bands[] = {{1, 255}, {2, 252}, {15, 207}, {16, 200}, {17, 175}, {30, 12}, {31, 0}};
        for (const auto &[band, value] : bands)
            EXPECT_EQ((BandColour(picker, band) >> shift) & 255, value) << "band " << band;
    });
}

TEST_F(ColourPicker, StripPicksBeyondTheBandsAndPastTheEnds)
{
    struct Case {
        const char *name;
        int toRow; // the drag's end, in the strip's inner pixels (262 rows)
        std::function<QString(frmSelColor &)> expected;
    };
    const Case cases[] = {
        {"dragged above the strip: band 1", -30, [](frmSelColor &) { return QStringLiteral("#FFFFFF"); }},
        {"dragged below the strip: the point just outside, black", 400,
         [](frmSelColor &) { return QStringLiteral("#000000"); }},
        {"the last row, below the last band: the strip's background", 261,
         [](frmSelColor &picker) { return ColourText(picker.picPanel->BackColor()); }},
        {"the first row of band 31: black", 252, [](frmSelColor &) { return QStringLiteral("#000000"); }},
    };
    for (const Case &c : cases) {
        open(QStringLiteral("#ff8000"), [&](frmSelColor &picker) {
            QTest::mouseClick(picker.picSpectr->Inside(), Qt::LeftButton, {}, {170, 20});
            Drag(picker.picPanel, {5, 130}, {5, c.toRow});
            EXPECT_EQ(picker.txtColorSelect->text(), c.expected(picker)) << c.name;
            EXPECT_EQ(ColourText(picker.picColorSelect->BackColor()), picker.txtColorSelect->text()) << c.name;
        });
    }
}

TEST_F(ColourPicker, SpectrumDragsPastTheEdgesStayInside)
{
    struct Case {
        QPoint to;
        QPoint picked; // the pixel: the right and bottom edges keep 12 twips inside, less than a pixel
    };
    const Case cases[] = {
        {{-20, -20}, {0, 0}},   {{300, 300}, {253, 261}}, {{300, 100}, {253, 100}},
        {{50, -5}, {50, 0}},    {{-9, 270}, {0, 261}},
    };
    for (const Case &c : cases) {
        open(QStringLiteral("#ff8000"), [&](frmSelColor &picker) {
            Drag(picker.picSpectr, {120, 120}, c.to);
            EXPECT_EQ(BandColour(picker, 16), ColourNumber(spectrum.pixel(c.picked))) << c.to.x() << ", " << c.to.y();
            EXPECT_EQ(MarkerCentre(picker), c.picked) << c.to.x() << ", " << c.to.y();
        });
    }
}

TEST_F(ColourPicker, ATypedColourTextIsAppliedWhenTheBoxIsLeft)
{
    struct Case {
        const char *typed;
        const char *text;
    };
    const Case cases[] = {
        {"#abc", "#ABC000"}, {"", "#000000"}, {"ff0000", "#FF0000"}, {"#12345678", "#123456"}, {"#0a0b0c", "#0A0B0C"},
    };
    for (const Case &c : cases) {
        open(QStringLiteral("#ff8000"), [&](frmSelColor &picker) {
            PressKey(Qt::Key_Tab); // from "Отменить" round to the colour text
            ASSERT_TRUE(picker.txtColorSelect->hasFocus());
            EXPECT_EQ(picker.txtColorSelect->selectedText(), "#FF8000") << "the whole text is selected";
            PressKey(Qt::Key_Delete);
            QTest::keyClicks(picker.txtColorSelect, QString::fromLatin1(c.typed));
            EXPECT_EQ(picker.txtColorSelect->text(), QString::fromLatin1(c.typed).toUpper()) << "upper case at once";
            EXPECT_EQ(picker.picColorSelect->BackColor(), 255 + 256 * 128) << "nothing applied while typing";
            PressKey(Qt::Key_Tab);
            EXPECT_TRUE(picker.txtColorNegative->hasFocus());
            EXPECT_EQ(picker.txtColorNegative->selectedText(), picker.txtColorNegative->text());
            EXPECT_EQ(picker.txtColorSelect->text(), c.text) << c.typed;
            EXPECT_EQ(ColourText(picker.picColorSelect->BackColor()), c.text) << c.typed;
            EXPECT_EQ(ColourText(0xFFFFFF - picker.picColorNegative->BackColor()), c.text) << c.typed;
            EXPECT_EQ(picker.txtColorNegative->text(), ColourText(picker.picColorNegative->BackColor())) << c.typed;
            EXPECT_EQ(BandColour(picker, 16), 255) << "the strip stays as it was";
        });
    }
}

TEST_F(ColourPicker, AClickIntoAColourTextSelectsItWholeAsTabDoes)
{
    struct Case {
        const char *name;
        QLineEdit *frmSelColor::*box;
        bool drag; // from the middle to the left edge, with the press that brings the focus
        const char *selected; // of "#FF8000" and its negative "#007FFF"; empty: a part of the text
    } cases[] = {
        {"a click into the colour", &frmSelColor::txtColorSelect, false, "#FF8000"},
        {"a click into the negative", &frmSelColor::txtColorNegative, false, "#007FFF"},
        {"a drag over a part", &frmSelColor::txtColorSelect, true, ""},
    };
    for (const Case &c : cases) {
        open(QStringLiteral("#ff8000"), [&](frmSelColor &picker) {
            QLineEdit *box = picker.*c.box;
            ASSERT_FALSE(box->hasFocus());
            const QPoint middle = box->rect().center();
            const QPoint end = c.drag ? QPoint(1, middle.y()) : middle;
            QTest::mousePress(box, Qt::LeftButton, {}, middle);
            if (c.drag)
                QTest::mouseMove(box, end);
            QTest::mouseRelease(box, Qt::LeftButton, {}, end);
            EXPECT_TRUE(box->hasFocus()) << c.name;
            if (*c.selected) {
                EXPECT_EQ(box->selectedText(), QString::fromLatin1(c.selected)) << c.name;
            } else {
                EXPECT_TRUE(box->hasSelectedText()) << c.name;
                EXPECT_NE(box->selectedText(), box->text()) << c.name << ": the dragged part stays selected";
            }

            // A click into the box that has the focus places the caret, as in any text box.
            QTest::mouseClick(box, Qt::LeftButton, {}, middle);
            EXPECT_FALSE(box->hasSelectedText()) << c.name;
        });
    }
}

TEST_F(ColourPicker, TheColourTextTakesOnlyHexDigitsAndEditingKeys)
{
    struct Case {
        const char *name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *text; // "#12" before, the caret at its end
    };
    const Case cases[] = {
        {"a main-keyboard digit", Qt::Key_7, Qt::NoModifier, "#127"},
        {"a letter A to F", Qt::Key_E, Qt::NoModifier, "#12E"},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "#1"},
        {"a letter past F", Qt::Key_G, Qt::NoModifier, "#12"},
        {"Z", Qt::Key_Z, Qt::NoModifier, "#12"},
        {"a keypad digit", Qt::Key_7, Qt::KeypadModifier, "#12"},
        {"a function key", Qt::Key_F5, Qt::NoModifier, "#12"},
        {"a space", Qt::Key_Space, Qt::NoModifier, "#12"},
        {"a minus", Qt::Key_Minus, Qt::NoModifier, "#12"},
    };
    for (const Case &c : cases) {
        open(QStringLiteral("#ff8000"), [&](frmSelColor &picker) {
            picker.txtColorSelect->setFocus();
            picker.txtColorSelect->setText(QStringLiteral("#12"));
            picker.txtColorSelect->setCursorPosition(3);
            QTest::keyClick(picker.txtColorSelect, c.key, c.modifiers);
            EXPECT_EQ(picker.txtColorSelect->text(), c.text) << c.name;
        });
    }
    open(QStringLiteral("#ff8000"), [](frmSelColor &picker) {
        picker.txtColorSelect->setFocus();
        picker.txtColorSelect->setText(QStringLiteral("#123"));
        picker.txtColorSelect->setCursorPosition(4);
        PressKey(Qt::Key_Left, Qt::ShiftModifier);
        PressKey(Qt::Key_Left, Qt::ShiftModifier);
        EXPECT_EQ(picker.txtColorSelect->selectedText(), "23") << "Shift with an arrow selects";
        PressKey(Qt::Key_Home);
        EXPECT_EQ(picker.txtColorSelect->cursorPosition(), 2) << "Home is not among the keys let through";
    });
}

TEST_F(ColourPicker, EnterInTheColourTextAppliesItAndASecondEnterAccepts)
{
    const bool closed = open(QStringLiteral("#ff8000"), [](frmSelColor &picker) {
        picker.txtColorSelect->setFocus();
        picker.txtColorSelect->selectAll();
        QTest::keyClicks(picker.txtColorSelect, QStringLiteral("#abc"));
        PressKey(Qt::Key_Return);
        ASSERT_TRUE(forms::frmSelColor.isLoaded()) << "the first Enter does not close";
        EXPECT_TRUE(picker.cmmSelect->hasFocus());
        EXPECT_EQ(picker.txtColorSelect->text(), "#ABC000");
        EXPECT_FALSE(picker.txtColorSelect->hasSelectedText());
        EXPECT_EQ(picker.txtColorSelect->cursorPosition(), picker.txtColorSelect->text().size());
        EXPECT_EQ(picker.picColorSelect->BackColor(), 0xAB + 256 * 0xC0);
        EXPECT_FALSE(mdlLoad::SelColorOK);
        PressKey(Qt::Key_Return);
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(mdlLoad::SelColorOK);
    EXPECT_EQ(mdlLoad::SelColorValue, "#ABC000");
}

// However the window closes it unloads; only "Выбрать" hands a colour back, and only the buttons and
// Esc touch the flag.
TEST_F(ColourPicker, EveryWayOfClosing)
{
    struct Case {
        const char *name;
        bool callerFlag;
        std::function<void(frmSelColor &)> close;
        bool ok;
        const char *value;
    };
    const Case cases[] = {
        {"Enter right after opening presses Отменить", false, [](frmSelColor &) { PressKey(Qt::Key_Return); }, false,
         "#ff8000"},
        {"Shift+Tab to Выбрать and Enter", false,
         [](frmSelColor &) {
             PressKey(Qt::Key_Tab, Qt::ShiftModifier);
             PressKey(Qt::Key_Return);
         },
         true, "#FF8000"},
        {"a click on Выбрать", false,
         [](frmSelColor &picker) { QTest::mouseClick(picker.cmmSelect, Qt::LeftButton); }, true, "#FF8000"},
        {"Enter in the inverse text presses Выбрать", false,
         [](frmSelColor &picker) {
             picker.txtColorNegative->setFocus();
             PressKey(Qt::Key_Return);
         },
         true, "#FF8000"},
        {"a click on Отменить", true,
         [](frmSelColor &picker) { QTest::mouseClick(picker.cmmCancel, Qt::LeftButton); }, false, "#ff8000"},
        {"Esc", true, [](frmSelColor &) { PressKey(Qt::Key_Escape); }, false, "#ff8000"},
        {"Esc in the colour text", true,
         [](frmSelColor &picker) {
             picker.txtColorSelect->setFocus();
             PressKey(Qt::Key_Escape);
         },
         false, "#ff8000"},
        {"the title bar's close button keeps True", true, [](frmSelColor &picker) { picker.close(); }, true, "#ff8000"},
        {"the title bar's close button keeps False", false, [](frmSelColor &picker) { picker.close(); }, false,
         "#ff8000"},
    };
    for (const Case &c : cases) {
        EXPECT_TRUE(open(QStringLiteral("#ff8000"), c.close, c.callerFlag)) << c.name;
        EXPECT_EQ(mdlLoad::SelColorOK, c.ok) << c.name;
        EXPECT_EQ(mdlLoad::SelColorValue, c.value) << c.name;
        EXPECT_EQ(mdlLoad::ColorPink, "#123456") << c.name;
    }
}

TEST_F(ColourPicker, EachOpeningStartsAfreshAndComingBackKeepsTheChoice)
{
    open(QStringLiteral("#ff8000"), [](frmSelColor &picker) {
        QTest::mouseClick(picker.picSpectr->Inside(), Qt::LeftButton, {}, {80, 80});
        QTest::mouseClick(picker.picPanel->Inside(), Qt::LeftButton, {}, {5, 200});
        const QString chosen = picker.txtColorSelect->text();
        const int pointer = picker.imgPointer->y();

        // The user goes to another program and comes back.
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::processEvents();
        QApplication::setActiveWindow(&picker);
        QApplication::processEvents();
        ASSERT_TRUE(picker.isActiveWindow());
        EXPECT_EQ(picker.txtColorSelect->text(), chosen);
        EXPECT_EQ(picker.imgPointer->y(), pointer);
        EXPECT_EQ(MarkerCentre(picker), QPoint(80, 80));
        picker.cmmSelect->click();
    });
    const QString accepted = mdlLoad::SelColorValue;
    open(accepted, [&](frmSelColor &picker) {
        EXPECT_EQ(picker.txtColorSelect->text(), accepted);
        EXPECT_EQ(picker.imgPointer->y(), 0) << "a new window, its pointer at the top";
        EXPECT_EQ(BandColour(picker, 16), 255);
        EXPECT_EQ(MarkerCentre(picker), QPoint(0, 0));
    });
}

} // namespace
