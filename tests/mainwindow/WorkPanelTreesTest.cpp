#include "app/core/mdlLoadTrees.h"
#include "app/core/mdlLoadWorkPanel.h"
#include "app/dialogs/frmSelColor.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/widgets/PictureBox.h"
#include "tests/CaseNames.h"
#include "tests/mainwindow/WorkPanelFixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

using mdlLoad::TreeItem;

// The three trees built from small tables of the test's own.
class WorkPanelTrees : public WorkPanelFixture {
protected:
    void SetUp() override
    {
        WorkPanelFixture::SetUp();
        mdlLoad::Phrases = Table<TreeItem>();
        mdlLoad::Phrases.append({QString(), QString(), 0, false});
        mdlLoad::Phrases.append({QString(), QStringLiteral("Теги"), 1, true});
        mdlLoad::Phrases.append({QStringLiteral("<b>..</b>"), QStringLiteral("Жирный"), 2, false});
        mdlLoad::Phrases.append({QStringLiteral("..начало"), QStringLiteral("Точки"), 2, false});
        mdlLoad::Colors = Table<TreeItem>();
        mdlLoad::Colors.append({QString(), QStringLiteral("Цвета"), 1, true});
        mdlLoad::Colors.append({QStringLiteral("#FF0000"), QStringLiteral("red"), 2, false});
        mdlLoad::Colors.append({QStringLiteral("00ff00"), QStringLiteral("lime"), 2, false});
        mdlLoad::Symbols = Table<TreeItem>();
        mdlLoad::Symbols.append({QStringLiteral("&laquo;"), QStringLiteral("кавычка"), 1, false});
        mdlLoad::FillTree(main()->trvPhrase, mdlLoad::Phrases, u'k', QIcon(), QIcon());
        mdlLoad::FillTree(main()->trvColor, mdlLoad::Colors, u'c', QIcon(), QIcon());
        mdlLoad::FillTree(main()->trvSymbol, mdlLoad::Symbols, u's', QIcon(), QIcon());
        for (QTreeWidget *tree : {main()->trvPhrase, main()->trvColor})
            tree->expandAll();
    }

    // Shows the tree's page and double-clicks the node with this key, as the user would.
    void doubleClick(QTreeWidget *tree, const QString &key)
    {
        for (int page = 1; page <= 4; ++page)
            if (tree->parentWidget() == pages()[page - 1])
                main()->sstServise->Select(page);
        QTreeWidgetItem *node = find(tree, key);
        ASSERT_NE(node, nullptr) << key.toStdString();
        tree->scrollToItem(node);
        const QPoint at = tree->visualItemRect(node).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    }

    void select(QTreeWidget *tree, const QString &key) { tree->setCurrentItem(find(tree, key)); }

    static QTreeWidgetItem *find(QTreeWidget *tree, const QString &key)
    {
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if (mdlLoad::TreeNodeKey(*it) == key)
                return *it;
        return nullptr;
    }

    QList<QWidget *> pages() const
    {
        return {main()->picServiseFile, main()->picServisePhrase, main()->picServiseColor, main()->picServiseSymbol};
    }

    // A document holding "AxB" with the "x" selected.
    frmContent *documentWithSelection()
    {
        frmContent *document = newDocument(QStringLiteral("AxB"));
        document->txtContent->SetSel({0, 1, 0, 2});
        return document;
    }
};

struct InsertCase {
    const char *tree; // "phrase", "color", "symbol"
    const char *key;
    const char *text; // the document "AxB" with "x" selected, afterwards
};

void PrintTo(const InsertCase &c, std::ostream *out)
{
    casenames::Print(out, c.tree, c.key, c.text);
}

class TreeInsertion : public WorkPanelTrees, public testing::WithParamInterface<InsertCase> {
protected:
    QTreeWidget *tree() const
    {
        const QString which = QLatin1String(GetParam().tree);
        return which == u"phrase" ? main()->trvPhrase : which == u"color" ? main()->trvColor : main()->trvSymbol;
    }
};

TEST_P(TreeInsertion, ADoubleClickInsertsTheEntrysValueIntoTheActiveDocument)
{
    frmContent *document = documentWithSelection();
    ASSERT_NE(document, nullptr);
    doubleClick(tree(), GetParam().key);
    EXPECT_EQ(document->txtContent->Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    WorkPanel, TreeInsertion,
    testing::Values(InsertCase{"phrase", "k3", "A<b>x</b>B"},     // ".." wraps the selection
                    InsertCase{"phrase", "k4", "A..началоB"},      // ".." at the start is text
                    InsertCase{"phrase", "k2", "AxB"},             // a group inserts nothing
                    InsertCase{"color", "c2", "A#FF0000B"},        // with its "#"
                    InsertCase{"color", "c3", "A00ff00B"},         // stored without "#", inserted so
                    InsertCase{"symbol", "s1", "A&laquo;B"}),
    casenames::Named(&InsertCase::tree, &InsertCase::key));

TEST_F(WorkPanelTrees, WithoutADocumentADoubleClickInsertsNothing)
{
    newDocument(QStringLiteral("AxB"));
    main()->mnuFile_Close_Click();
    ASSERT_EQ(main()->ActiveFileIndex, 0);
    doubleClick(main()->trvPhrase, "k3");
    doubleClick(main()->trvColor, "c2");
    doubleClick(main()->trvSymbol, "s1");
    EXPECT_EQ(mdlFile::CountOpenDocuments(), 0);
    EXPECT_EQ(main()->lblServiseColor->text(), "#FF0000") << "the swatch still shows the colour";
}

TEST_F(WorkPanelTrees, TheSwatchShowsTheClickedColourWithItsDigitsAndAGroupShowsNone)
{
    doubleClick(main()->trvColor, "c3");
    EXPECT_TRUE(main()->picServiseColorSelect->isEnabled());
    EXPECT_EQ(main()->lblServiseColor->text(), "#00ff00");
    EXPECT_EQ(main()->picServiseColorSelect->BackColor(), 255 * 256);

    QTreeWidgetItem *red = find(main()->trvColor, "c2");
    QTest::mouseClick(main()->trvColor->viewport(), Qt::LeftButton, {}, main()->trvColor->visualItemRect(red).center());
    EXPECT_EQ(main()->lblServiseColor->text(), "#FF0000");
    EXPECT_EQ(main()->picServiseColorSelect->BackColor(), 255);

    QTreeWidgetItem *group = find(main()->trvColor, "c1");
    QTest::mouseClick(main()->trvColor->viewport(), Qt::LeftButton, {}, main()->trvColor->visualItemRect(group).center());
    EXPECT_FALSE(main()->picServiseColorSelect->isEnabled());
    EXPECT_EQ(main()->lblServiseColor->text(), "Цвет не выбран");
}

TEST_F(WorkPanelTrees, ThePopupOffersWhatTheSelectedNodeAndTheDocumentAllow)
{
    const auto enabled = [](QMenu *menu) {
        QStringList items;
        for (QAction *action : menu->actions())
            if (!action->isSeparator() && action->isEnabled())
                items << action->text();
        return items;
    };
    select(main()->trvPhrase, "k2");
    main()->mnuPopupPhrase_Click();
    EXPECT_EQ(enabled(main()->mnuPopupPhrase), QStringList()) << "no document";

    frmContent *document = documentWithSelection();
    main()->mnuPopupPhrase_Click();
    EXPECT_EQ(enabled(main()->mnuPopupPhrase), QStringList({"Закрыть узел", "Вставить название"}));
    main()->mnuPopupPhrase_Coll_Click();
    main()->mnuPopupPhrase_Click();
    EXPECT_EQ(enabled(main()->mnuPopupPhrase), QStringList({"Раскрыть узел", "Вставить название"}));

    select(main()->trvColor, "c2");
    main()->mnuPopupColor_Click();
    EXPECT_EQ(enabled(main()->mnuPopupColor), QStringList({"Вставить HTML-цвет", "Вставить название цвета"}));
    main()->mnuPopupColor_Paste2_Click();
    EXPECT_EQ(document->txtContent->Text(), "AredB");
}

// The colour picker answered by the test: `accept` with `colour`, or cancelled.
class ColourPick : public WorkPanelTrees {
protected:
    void answer(bool accept, const QString &colour = QString())
    {
        platform::dialogs::SetDialogHook([=, this](QDialog &) {
            shownWith.append(mdlLoad::SelColorValue);
            if (accept) {
                mdlLoad::SelColorValue = colour;
                mdlLoad::SelColorOK = true;
            }
            mdlLoad::UnloadForm(forms::frmSelColor);
            return int(accept ? QDialog::Accepted : QDialog::Rejected);
        });
    }

    void clickSwatch()
    {
        main()->sstServise->Select(3);
        PictureBox *swatch = main()->picServiseColorSelect;
        QTest::mouseClick(swatch->Inside(), Qt::LeftButton, {}, swatch->Inside()->rect().center());
    }

    QStringList shownWith;
};

TEST_F(ColourPick, TheSwatchStartsThePickerOnItsColourAndACancelKeepsTheLastColour)
{
    mdlLoad::ColorPink = QStringLiteral("#123456");
    frmContent *document = documentWithSelection();
    doubleClick(main()->trvColor, "c2");
    document->txtContent->SetText(QStringLiteral("AxB"));
    answer(false);
    clickSwatch();
    EXPECT_EQ(shownWith, QStringList({"#ff0000"}));
    EXPECT_EQ(mdlLoad::ColorPink, "#123456");
    EXPECT_EQ(document->txtContent->Text(), "AxB");
}

// The real picker, a colour picked in it and "Отменить" pressed, opened by the swatch or by the Service
// menu's item with a document open.
TEST_F(ColourPick, ACancelInThePickerKeepsTheLastColourAndTheTextHoweverItWasOpened)
{
    mdlLoad::ColorPink = QStringLiteral("#123456");
    frmContent *document = documentWithSelection();
    doubleClick(main()->trvColor, "c2");
    document->txtContent->SetText(QStringLiteral("AxB"));
    document->txtContent->SetSel({0, 1, 0, 2});
    QString picked;
    platform::dialogs::SetDialogHook([&](QDialog &dialog) {
        auto &picker = static_cast<frmSelColor &>(dialog);
        shownWith.append(mdlLoad::SelColorValue);
        picker.show();
        QTest::mouseClick(picker.picSpectr->Inside(), Qt::LeftButton, {}, {80, 80});
        QTest::mouseClick(picker.picPanel->Inside(), Qt::LeftButton, {}, {5, 150});
        picked = picker.txtColorSelect->text();
        picker.cmmCancel->click();
        return int(QDialog::Rejected);
    });
    const struct {
        const char *name;
        std::function<void()> open;
        const char *start;
    } ways[] = {
        {"the swatch", [this] { clickSwatch(); }, "#ff0000"},
        {"the menu item", [] { main()->mnuServis_SelColor->trigger(); }, "#123456"},
    };
    for (const auto &way : ways) {
        shownWith.clear();
        picked.clear();
        way.open();
        EXPECT_EQ(shownWith, QStringList{way.start}) << way.name;
        EXPECT_FALSE(picked.isEmpty()) << way.name;
        EXPECT_NE(picked, "#123456") << way.name;
        EXPECT_FALSE(forms::frmSelColor.isLoaded()) << way.name;
        EXPECT_FALSE(mdlLoad::SelColorOK) << way.name;
        EXPECT_EQ(mdlLoad::ColorPink, "#123456") << way.name;
        EXPECT_EQ(document->txtContent->Text(), "AxB") << way.name;
    }
}

TEST_F(ColourPick, AnAcceptedColourIsKeptAndInsertedAndAnInvalidOneNeither)
{
    frmContent *document = documentWithSelection();
    doubleClick(main()->trvColor, "c2");
    document->txtContent->SetText(QStringLiteral("AxB"));
    document->txtContent->SetSel({0, 1, 0, 2});
    answer(true, QStringLiteral("#00FF7F"));
    clickSwatch();
    EXPECT_EQ(mdlLoad::ColorPink, "#00FF7F");
    EXPECT_EQ(document->txtContent->Text(), "A#00FF7FB");

    answer(true, QStringLiteral("#GG0000"));
    main()->mnuServis_SelColor_Click();
    EXPECT_EQ(shownWith.last(), "#00FF7F") << "the menu item starts from the last colour kept";
    EXPECT_EQ(mdlLoad::ColorPink, "#00FF7F");
    EXPECT_EQ(document->txtContent->Text(), "A#00FF7FB");
}

TEST_F(ColourPick, WithoutADocumentAnAcceptedColourIsKeptOnly)
{
    answer(true, QStringLiteral("#ABCDEF"));
    main()->mnuServis_SelColor_Click();
    EXPECT_EQ(mdlLoad::ColorPink, "#ABCDEF");
    EXPECT_EQ(mdlFile::CountOpenDocuments(), 0);
}

TEST_F(ColourPick, TheServiceMenuOffersThePickerBeforeTheDocumentCommands)
{
    QStringList items;
    for (QAction *action : main()->mnuServis->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    const qsizetype pick = items.indexOf("Выбрать HTML-цвет...");
    ASSERT_GE(pick, 0);
    EXPECT_EQ(items.mid(pick), QStringList({"Выбрать HTML-цвет...", "-", "Изменить кодировку...", "Вставить из файла..."}));
}

} // namespace
