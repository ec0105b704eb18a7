#include "app/dialogs/frmSetting.h"
#include "app/documents/mdlFileOpen.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/LoadedProgram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageSize>
#include <QPrintDialog>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace dialogs = platform::dialogs;

namespace {

// Qt's own dialogs and menus, opened as the user opens them in the program.
class QtDialogsInRussian : public LoadedProgram {
protected:
    // Every caption that the dialog shows: its buttons, labels and group titles.
    static QStringList captions(const QDialog &dialog)
    {
        QStringList shown;
        for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
            shown.append(button->text());
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            shown.append(label->text());
        for (const QGroupBox *group : dialog.findChildren<QGroupBox *>())
            shown.append(group->title());
        return shown;
    }

    // The entries of the menu that a right click on `widget` opens.
    static QStringList contextMenu(QWidget *widget)
    {
        const QPoint at(5, 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &click);
        QStringList entries;
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions())
                if (!action->isSeparator())
                    entries.append(action->text().section(u'\t', 0, 0));
            menu->close();
        }
        return entries;
    }

    TempFolder files;
};

TEST_F(QtDialogsInRussian, ThePrintDialogTheFolderPickerAndTheTextBoxMenusSpeakRussian)
{
    const QString page = files.write("page.html", platform::text::StringToAnsi(QStringLiteral("<p>Текст</p>")));
    ASSERT_TRUE(mdlFile::OpenDocumentFile(page, QStringLiteral("page.html"), 0, 0));

    QStringList print, picker, menu;
    dialogs::SetDialogHook([&](QDialog &dialog) {
        if (qobject_cast<QPrintDialog *>(&dialog)) {
            print = captions(dialog);
        } else if (qobject_cast<QFileDialog *>(&dialog)) {
            picker = captions(dialog);
        } else if (auto *settings = qobject_cast<frmSetting *>(&dialog)) {
            settings->show();
            menu = contextMenu(settings->txtDialogs_Open_Path);
            QToolBar *bar = settings->tlbDialogs_Path[0];
            QTest::mouseClick(bar->widgetForAction(bar->actions().first()), Qt::LeftButton);
        }
        return int(QDialog::Rejected);
    });
    mdlLoad::PrintSetup = true;
    main()->mnuFile_Print->trigger();
    main()->mnuServis_Setting_Click();

    struct Case {
        const char *where;
        const QStringList &shown;
        QStringList russian, english;
    } cases[] = {
        {"print dialog", print, {"Принтер", "&Печать", "Отмена", "&Параметры >>", "Страницы с", "Количество копий:"},
         {"Printer", "&Print", "Cancel", "&Options >>"}},
        {"folder picker", picker, {"Перейти к:", "&Выбрать", "Отмена"}, {"Look in:", "&Choose", "Cancel"}},
        {"a text box's menu", menu, {"&Копировать", "В&ставить", "Выделить всё"}, {"&Copy", "&Paste", "Select All"}},
    };
    for (const Case &c : cases) {
        for (const QString &text : c.russian)
            EXPECT_TRUE(c.shown.contains(text)) << c.where << ": " << text.toStdString() << " in " << testing::PrintToString(c.shown);
        for (const QString &text : c.english)
            EXPECT_FALSE(c.shown.contains(text)) << c.where << ": " << text.toStdString();
    }
}

// The print dialog's properties list the paper sizes by these names.
TEST_F(QtDialogsInRussian, ThePrintDialogsPaperSizesHaveRussianNames)
{
    const QStringList english = {"Envelope", "Postcard", "Architect", "Fan-fold", " in)", "Custom"};
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const QString name = QPageSize::name(QPageSize::PageSizeId(id));
        for (const QString &word : english)
            EXPECT_FALSE(name.contains(word)) << name.toStdString();
    }
    EXPECT_EQ(QPageSize::name(QPageSize::EnvelopeC5), QStringLiteral("Конверт C5"));
    EXPECT_EQ(QPageSize::name(QPageSize::FanFoldGerman), QStringLiteral("Фальцованная German (8,5 x 12 дм)"));
}

} // namespace
