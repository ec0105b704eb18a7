#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadNewFiles.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/frmFileNew.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileLimit.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/TabStrip.h"
#include "tests/LoadedProgram.h"
#include "tests/SparseFile.h"
#include "tests/Unprivileged.h"
#include "tests/UnprivilegedUser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace dialogs = platform::dialogs;

namespace {

// The New dialog shown by the main window's New command over the loaded program; `act` stands in for
// the user while it is shown.
class FileNew : public LoadedProgram {
protected:
    // Runs the New command; `act` gets the dialog as it shows. Returns whether the dialog was loaded
    // still when `act` had finished and the command had returned.
    bool showNew(const std::function<void(frmFileNew &)> &act)
    {
        dialogs::SetDialogHook([&](QDialog &dialog) {
            auto &shown = static_cast<frmFileNew &>(dialog);
            shown.show();
            act(shown);
            return int(QDialog::Rejected);
        });
        main()->mnuFile_New_Click();
        dialogs::SetDialogHook(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return forms::frmFileNew.isLoaded();
    }

    // The list shown on the selected tab.
    static QListWidget *shownList(frmFileNew &dialog)
    {
        return dialog.lstStandart->isVisible() ? dialog.lstStandart : dialog.lstPattern;
    }

    // Selects the list item with this caption.
    static void choose(QListWidget *list, const QString &caption)
    {
        const QList<QListWidgetItem *> found = list->findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << qPrintable(caption);
        list->setCurrentItem(found.first());
    }

    static void doubleClick(QListWidget *list, const QString &caption)
    {
        const QListWidgetItem *item = list->findItems(caption, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << qPrintable(caption);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    static QString text(int number) { return document(number)->txtContent->Text(); }

    // The list files, written in the program's single-byte code page.
    void writeLists(const QString &newfile, const QString &pattern)
    {
        folder.write("setting/newfile.ini", platform::text::StringToAnsi(newfile));
        folder.write("setting/pattern.ini", platform::text::StringToAnsi(pattern));
    }
};

// However an item is chosen, the dialog goes and the document comes, named after the kind and numbered.
TEST_F(FileNew, AKindMakesAnEmptyDocumentOfItsLanguage)
{
    struct Case {
        const char *name;
        std::function<void(frmFileNew &)> create;
        const char *docName;
        const char *language;
    };
    const Case cases[] = {
        {"the button", [](frmFileNew &d) { choose(d.lstStandart, "Таблица стилей CSS"); d.cmmCreat->click(); },
         "style1.css", "CSS"},
        {"a double click", [](frmFileNew &d) { doubleClick(d.lstStandart, "Сценарий JavaScript"); }, "script2.js",
         "JavaScript"},
        {"Enter in the list",
         [](frmFileNew &d) {
             choose(d.lstStandart, "Текстовый файл");
             d.lstStandart->setFocus();
             QTest::keyClick(d.lstStandart, Qt::Key_Return);
         },
         "new3.txt", "Text"},
        {"the first kind, selected from the start", [](frmFileNew &d) { QTest::keyClick(&d, Qt::Key_Enter); },
         "new4.html", "HTML"},
    };
    int number = 0;
    for (const Case &c : cases) {
        mdlLoad::NewDialog = 1;
        EXPECT_FALSE(showNew(c.create)) << c.name << ": the dialog is unloaded";
        ASSERT_EQ(mdlFile::DocumentCount(), ++number) << c.name;
        const mdlFile::DocumentRecord &made = record(number);
        EXPECT_EQ(made.Name, c.docName) << c.name;
        EXPECT_EQ(made.Path, "") << c.name;
        EXPECT_EQ(made.State, mdlFile::DocumentState::New) << c.name;
        EXPECT_EQ(document(number)->txtContent->Language(), c.language) << c.name;
        EXPECT_EQ(text(number), "") << c.name;
        EXPECT_EQ(main()->ActiveFileIndex, number) << c.name;
    }
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(FileNew, ATemplateMakesADocumentWithTheTemplatesText)
{
    const QByteArray page = "<html>\r\n<title>\xcd\xee\xe2\xe0\xff</title>\r\n</html>\r\n"; // "Новая" in 1251
    folder.write("pattern/mine.html", page);
    writeLists("html.png|HTML|new.html|Page\r\n", "page_html.png|HTML|site.html|Моя %v страница|mine.html\r\n");
    mdlLoad::NewDialog = 2;
    EXPECT_FALSE(showNew([](frmFileNew &d) {
        EXPECT_TRUE(d.lstPattern->isVisible());
        EXPECT_FALSE(d.lstStandart->isVisible());
        choose(d.lstPattern, "Моя | страница");
        d.cmmCreat->click();
    }));
    ASSERT_EQ(mdlFile::DocumentCount(), 1);
    EXPECT_EQ(record(1).Name, "site1.html");
    EXPECT_EQ(record(1).State, mdlFile::DocumentState::New);
    EXPECT_EQ(text(1), platform::text::AnsiToString(page));
    EXPECT_EQ(document(1)->txtContent->Language(), "HTML");
    EXPECT_EQ(folder.read("tmp/~1~site.html"), "") << "a new document's preview copy starts empty";
}

TEST_F(FileNew, AMissingTemplateIsReportedAndTheDialogStaysWithItsChoice)
{
    writeLists("html.png|HTML|new.html|Page\r\n",
               "page_html.png|HTML|a.html|Есть|page.html\r\npage_css.png|CSS|b.css|Нет|gone.css\r\n");
    mdlLoad::NewDialog = 2;
    bool stillShown = false;
    QString selected;
    const bool loaded = showNew([&](frmFileNew &d) {
        choose(d.lstPattern, "Нет");
        d.cmmCreat->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        stillShown = forms::frmFileNew.loaded() == &d && d.isVisible();
        selected = d.lstPattern->selectedItems().value(0) ? d.lstPattern->selectedItems()[0]->text() : QString();
    });
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(selected, "Нет");
    EXPECT_TRUE(loaded);
    EXPECT_EQ(mdlFile::DocumentCount(), 0);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, "К сожалению, требуемый шаблон не найден.\r\nПроверьте настройки шаблонов.");
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
    EXPECT_EQ(boxes[0].buttons, dialogs::vbCritical);
}

// A template too large for a document, laid out sparse, is refused before any of it is read; the dialog
// stays with its choice.
TEST_F(FileNew, ATemplateLargerThanTheLimitIsRefusedAndTheDialogStays)
{
    constexpr qint64 size = mdlFile::MaxOpenFileSize + 1;
    writeLists("html.png|HTML|new.html|Page\r\n", "page_html.png|HTML|a.html|Огромный|huge.html\r\n");
    const QString path = WriteSparse(folder, "pattern/huge.html", size);
    ASSERT_FALSE(path.isEmpty());
    mdlLoad::NewDialog = 2;
    bool stillShown = false;
    showNew([&](frmFileNew &d) {
        choose(d.lstPattern, "Огромный");
        d.cmmCreat->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        stillShown = forms::frmFileNew.loaded() == &d && d.isVisible();
    });
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(mdlFile::DocumentCount(), 0);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, mdlFile::TooLargeMessage(mdlLoad::PatternFolder + "huge.html", size));
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
    EXPECT_EQ(boxes[0].buttons, dialogs::vbCritical);
}

// A template that is there but does not read is not called missing: the message says what keeps it from
// being read. A folder in its place is no template.
TEST_F(FileNew, ATemplateThatCannotBeReadSaysWhy)
{
    struct Case {
        const char *name;
        std::function<void(const QString &path)> prepare;
        bool asNobody;
        const char *prompt;
    } cases[] = {
        {"nobody may read it", [](const QString &path) { QFile::setPermissions(path, QFileDevice::Permissions()); },
         true,
         "К сожалению, требуемый шаблон нельзя прочитать,\r\nтак как он недоступен для чтения.\r\n"
         "Проверьте настройки шаблонов."},
        {"a folder stands in its place",
         [](const QString &path) {
             QFile::remove(path);
             QDir().mkpath(path);
         },
         false, "К сожалению, требуемый шаблон не найден.\r\nПроверьте настройки шаблонов."},
    };
    writeLists("html.png|HTML|new.html|Page\r\n", "page_html.png|HTML|a.html|Закрытый|closed.html\r\n");
    unprivileged::OpenToEveryone(folder.path());
    mdlLoad::NewDialog = 2;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.write("pattern/closed.html", "<p>");
        c.prepare(path);
        boxes.clear();
        showNew([&](frmFileNew &d) {
            choose(d.lstPattern, "Закрытый");
            std::optional<UnprivilegedUser> nobody;
            if (c.asNobody) {
                nobody.emplace();
                ASSERT_TRUE(nobody->ok());
            }
            d.cmmCreat->click();
        });
        EXPECT_EQ(mdlFile::DocumentCount(), 0);
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].prompt, c.prompt);
        EXPECT_EQ(boxes[0].title, "Ошибка чтения");
        EXPECT_EQ(boxes[0].buttons, dialogs::vbCritical);
        QDir(path).removeRecursively();
    }
}

// Cancel, Esc and the close box make nothing; with nothing selected, Create makes nothing either.
TEST_F(FileNew, NothingIsMadeWithoutAChoice)
{
    struct Case {
        const char *name;
        std::function<void(frmFileNew &)> act;
        bool staysOpen;
    };
    const Case cases[] = {
        {"Отменить", [](frmFileNew &d) { d.cmmCancel->click(); }, false},
        {"Esc", [](frmFileNew &d) { QTest::keyClick(d.lstStandart, Qt::Key_Escape); }, false},
        {"the close box", [](frmFileNew &d) { d.close(); }, false},
        {"Создать with nothing selected",
         [](frmFileNew &d) {
             d.lstStandart->clearSelection();
             d.cmmCreat->click();
         },
         true},
    };
    for (const Case &c : cases) {
        mdlLoad::NewDialog = 1;
        EXPECT_EQ(showNew(c.act), c.staysOpen) << c.name;
        EXPECT_EQ(mdlFile::DocumentCount(), 0) << c.name;
        forms::frmFileNew.unload();
    }
    EXPECT_TRUE(boxes.isEmpty());
}

// Every way of closing stores the rectangle and the tab, and the next opening starts from them.
TEST_F(FileNew, PositionSizeAndTabAreRememberedAcrossOpenings)
{
    struct Case {
        const char *name;
        QRect rect;
        int tab;
        std::function<void(frmFileNew &)> close;
    };
    const Case cases[] = {
        {"Отменить", QRect(40, 30, 520, 400), 2, [](frmFileNew &d) { d.cmmCancel->click(); }},
        {"the close box", QRect(60, 50, 480, 360), 1, [](frmFileNew &d) { d.close(); }},
        {"Создать", QRect(20, 10, 600, 420), 1, [](frmFileNew &d) { d.cmmCreat->click(); }},
    };
    for (const Case &c : cases) {
        showNew([&](frmFileNew &d) {
            d.setGeometry(c.rect);
            d.tbsTypeDoc->setCurrentIndex(c.tab - 1);
            c.close(d);
        });
        EXPECT_EQ(mdlLoad::FilenewLeft, c.rect.x() * 15) << c.name;
        EXPECT_EQ(mdlLoad::FilenewTop, c.rect.y() * 15) << c.name;
        EXPECT_EQ(mdlLoad::FilenewWidth, c.rect.width() * 15) << c.name;
        EXPECT_EQ(mdlLoad::FilenewHeight, c.rect.height() * 15) << c.name;
        EXPECT_EQ(mdlLoad::NewDialog, c.tab) << c.name;

        QRect reopened;
        int reopenedTab = 0;
        bool patternShown = false;
        showNew([&](frmFileNew &d) {
            reopened = d.geometry();
            reopenedTab = d.tbsTypeDoc->SelectedPosition();
            patternShown = d.lstPattern->isVisible();
            d.cmmCancel->click();
        });
        EXPECT_EQ(reopened, c.rect) << c.name;
        EXPECT_EQ(reopenedTab, c.tab) << c.name;
        EXPECT_EQ(patternShown, c.tab == 2) << c.name;
    }
}

// Each opening rereads both lists; the icons go into one image list, the kinds' first.
TEST_F(FileNew, EachOpeningRereadsTheListsAndNumbersTheIconsAcrossBoth)
{
    writeLists("html.png|HTML|new.html|A\r\nnone.png|CSS|a.css|B\r\ncss.png|CSS|b.css|C\r\njs.png|JavaScript|c.js|D\r\n",
               "page_html.png|HTML|p.html|E|page.html\r\npage_css.png|CSS|s.css|F|style.css\r\n");
    folder.write("icons/none.png", "not a picture");
    int icons = 0;
    QStringList standart, pattern;
    showNew([&](frmFileNew &d) {
        icons = int(d.imgBig.size());
        for (int i = 0; i < d.lstStandart->count(); ++i)
            standart << d.lstStandart->item(i)->text();
        for (int i = 0; i < d.lstPattern->count(); ++i)
            pattern << d.lstPattern->item(i)->text();
        d.cmmCancel->click();
    });
    EXPECT_EQ(standart, (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(pattern, (QStringList{"E", "F"}));
    EXPECT_EQ(icons, 5);
    const int kinds[] = {1, 0, 2, 3};
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(mdlLoad::NewFiles[i].ImageIndex, kinds[i - 1]) << i;
    EXPECT_EQ(mdlLoad::Patterns[1].ImageIndex, 4);
    EXPECT_EQ(mdlLoad::Patterns[2].ImageIndex, 5);

    writeLists("html.png|HTML|new.html|Только одна\r\n", "");
    showNew([&](frmFileNew &d) {
        standart.clear();
        for (int i = 0; i < d.lstStandart->count(); ++i)
            standart << d.lstStandart->item(i)->text();
        icons = int(d.imgBig.size());
        d.cmmCancel->click();
    });
    EXPECT_EQ(standart, QStringList{"Только одна"});
    EXPECT_EQ(icons, 1);
}

TEST_F(FileNew, AnEmptyTabHasCreateDisabled)
{
    writeLists("html.png|HTML|new.html|Page\r\n", "");
    mdlLoad::NewDialog = 2;
    showNew([](frmFileNew &d) {
        EXPECT_TRUE(d.lstPattern->isVisible());
        EXPECT_EQ(d.lstPattern->count(), 0);
        EXPECT_FALSE(d.cmmCreat->isEnabled());
        d.tbsTypeDoc->setCurrentIndex(0);
        EXPECT_TRUE(d.lstStandart->isVisible());
        EXPECT_FALSE(d.lstPattern->isVisible());
        EXPECT_TRUE(d.cmmCreat->isEnabled());
        d.tbsTypeDoc->setCurrentIndex(1);
        EXPECT_FALSE(d.cmmCreat->isEnabled());
        QTest::keyClick(&d, Qt::Key_Return);
        d.cmmCancel->click();
    });
    EXPECT_EQ(mdlFile::DocumentCount(), 0);
}

TEST_F(FileNew, TheTextsAndTheDefaultButton)
{
    showNew([](frmFileNew &d) {
        EXPECT_EQ(d.windowTitle(), "Создать файл");
        EXPECT_EQ(d.tbsTypeDoc->Count(), 2);
        EXPECT_EQ(d.tbsTypeDoc->tabText(0), "Стандартные");
        EXPECT_EQ(d.tbsTypeDoc->Key(1), "standart");
        EXPECT_EQ(d.tbsTypeDoc->tabText(1), "Шаблоны");
        EXPECT_EQ(d.tbsTypeDoc->Key(2), "pattern");
        EXPECT_EQ(d.cmmCreat->text(), "Создать");
        EXPECT_EQ(d.cmmCancel->text(), "Отменить");
        EXPECT_TRUE(d.cmmCreat->isDefault());
        EXPECT_EQ(d.lstStandart->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_EQ(d.lstStandart->count(), mdlLoad::NewFiles.count());
        for (int i = 0; i < d.lstStandart->count(); ++i)
            EXPECT_FALSE(d.lstStandart->item(i)->icon().isNull()) << "every shipped kind has its icon";
        for (int i = 0; i < d.lstPattern->count(); ++i)
            EXPECT_FALSE(d.lstPattern->item(i)->icon().isNull()) << "every shipped template has its icon";
        d.cmmCancel->click();
    });
}

TEST_F(FileNew, TheLayoutFollowsTheWindowAndATinyWindowKeepsIt)
{
    showNew([](frmFileNew &d) {
        d.resize(500, 400);
        // 60 twips are 4 pixels.
        EXPECT_EQ(d.picBox->geometry(), QRect(4, 4, 492, 392));
        const QRect cancel = d.cmmCancel->geometry();
        EXPECT_EQ(cancel.bottomRight(), QPoint(491, 391));
        const QRect create = d.cmmCreat->geometry();
        EXPECT_EQ(create.top(), cancel.top());
        EXPECT_EQ(cancel.left() - create.right() - 1, 8) << "120 twips between the buttons";
        const QRect picture = d.imgPicture->geometry();
        EXPECT_EQ(picture.topLeft(), QPoint(0, 0));
        EXPECT_EQ(cancel.top() - picture.bottom() - 1, 5) << "80 twips above the buttons";
        const QRect tabs = d.tbsTypeDoc->geometry();
        EXPECT_EQ(tabs.left() - picture.right() - 1, 4) << "60 twips right of the picture";
        EXPECT_EQ(tabs.top(), 0);
        EXPECT_EQ(tabs.right(), 491);
        const QRect list = d.lstStandart->geometry();
        EXPECT_EQ(d.lstPattern->geometry(), list);
        EXPECT_GT(list.top(), tabs.bottom());
        EXPECT_GE(list.left(), tabs.left());
        EXPECT_LE(list.right(), tabs.right());
        EXPECT_LT(list.bottom(), picture.bottom());

        const QList<QRect> before = {d.picBox->geometry(), d.cmmCancel->geometry(), d.lstStandart->geometry()};
        d.resize(39, 300);
        EXPECT_EQ((QList<QRect>{d.picBox->geometry(), d.cmmCancel->geometry(), d.lstStandart->geometry()}), before)
            << "under 600 twips nothing moves";
        d.cmmCancel->click();
    });
}

// The start shows the New dialog when so set, before the Open dialog; with a command-line file, neither.
TEST_F(FileNew, TheStartShowsTheDialogWhenTheSettingsSaySo)
{
    struct Case {
        bool dialogNew, dialogOpen;
        bool commandFile;
        QStringList shown;
    };
    const Case cases[] = {
        {true, false, false, {"frmFileNew"}},
        {true, true, false, {"frmFileNew", "frmFileOpen"}},
        {false, true, false, {"frmFileOpen"}},
        {true, true, true, {}},
    };
    const QString file = folder.write("docs/a.txt", "a");
    mdlLoad::Viewform = false;
    for (const Case &c : cases) {
        mdlLoad::DialogNew = c.dialogNew;
        mdlLoad::DialogOpen = c.dialogOpen;
        QStringList shown;
        dialogs::SetDialogHook([&](QDialog &dialog) {
            shown << QString::fromLatin1(dialog.metaObject()->className());
            if (auto *created = qobject_cast<frmFileNew *>(&dialog))
                created->cmmCancel->click();
            return int(QDialog::Rejected);
        });
        mdlLoad::OpenOnStart(c.commandFile ? QStringList{file} : QStringList());
        dialogs::SetDialogHook(nullptr);
        EXPECT_EQ(shown, c.shown) << c.dialogNew << c.dialogOpen << c.commandFile;
    }
}

} // namespace
