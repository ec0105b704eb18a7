#include "platform/widgets/CheckBox.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

// A caption too long for the box's width wraps: a layout gives the box room for every line, and a click
// anywhere on the caption toggles it.
TEST(CheckBox, ALongCaptionWrapsWithinALayoutAndClicksOnAnyLine)
{
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    auto *box =
        new CheckBox(QStringLiteral("Синхронизировать путь к файлам для диалогов открытия и сохранения файлов"));
    layout->addWidget(box);
    layout->addStretch(1);
    page.resize(180, 300);
    page.show();
    QApplication::processEvents();

    const int line = box->fontMetrics().height();
    EXPECT_LE(box->width(), 180);
    EXPECT_GE(box->height(), 3 * line) << "every line of the caption has room";
    EXPECT_LT(box->heightForWidth(10000), 2 * line) << "one line where it fits";

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() - line / 2));
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, line / 2));
    EXPECT_FALSE(box->isChecked());
}
