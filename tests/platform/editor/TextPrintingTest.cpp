#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/editor/TextPrinting.h"

#include "tests/PrintedPdf.h"
#include "tests/TempFolder.h"

#include <QPrinter>

#include <gtest/gtest.h>

using namespace platform::editor;
namespace dialogs = platform::dialogs;

namespace {

TEST(PrintedPages, TheChosenPagesComeInTheChosenOrderAndCopies)
{
    struct Case {
        const char *name;
        int pageCount;
        QPageRanges pages;
        bool lastPageFirst;
        int copies;
        bool collate;
        QList<int> printed;
    } cases[] = {
        {"every page", 3, {}, false, 1, true, {1, 2, 3}},
        {"one page of the middle", 3, QPageRanges::fromString("2"), false, 1, true, {2}},
        {"a range and a page", 5, QPageRanges::fromString("1-2,5"), false, 1, true, {1, 2, 5}},
        {"a range beyond the text keeps what exists", 3, QPageRanges::fromString("2-9"), false, 1, true, {2, 3}},
        {"only pages beyond the text", 3, QPageRanges::fromString("4-5"), false, 1, true, {}},
        {"last page first", 3, {}, true, 1, true, {3, 2, 1}},
        {"last first within the range", 4, QPageRanges::fromString("2-3"), true, 1, true, {3, 2}},
        {"collated copies", 2, {}, false, 2, true, {1, 2, 1, 2}},
        {"copies page by page", 2, {}, false, 2, false, {1, 1, 2, 2}},
        {"copies page by page, last first", 3, QPageRanges::fromString("1-2"), true, 3, false, {2, 2, 2, 1, 1, 1}},
        {"an empty text is one empty page", 1, {}, false, 1, true, {1}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PrintedPages(c.pageCount, {c.pages, c.lastPageFirst, c.copies, c.collate}), c.printed) << c.name;
}

class TextPrinting : public testing::Test {
protected:
    void SetUp() override
    {
        QString text;
        for (int i = 1; i <= 300; ++i)
            text += QStringLiteral("Строка %1 страницы\tс табуляцией и  двумя пробелами\r\n").arg(i);
        editor.SetText(text);
    }

    void TearDown() override { dialogs::SetDialogHook(nullptr); }

    // Prints through the print dialog as a user who chose `choice` there; the pages' text.
    QStringList printThroughDialog(PrintDialogChoice choice, const QString &name)
    {
        choice.file = folder.path(name);
        dialogs::SetDialogHook([&](QDialog &dialog) {
            auto *print = qobject_cast<QPrintDialog *>(&dialog);
            return print ? ChooseInPrintDialog(*print, choice) : int(QDialog::Rejected);
        });
        QPrinter printer(QPrinter::HighResolution);
        EXPECT_TRUE(editor.PrintContents(printer, 0, 10));
        dialogs::SetDialogHook(nullptr);
        return PrintedPdf(choice.file).pages();
    }

    // Prints on a PDF printer without the dialog.
    PrintedPdf print(const QString &name)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.path(name));
        EXPECT_TRUE(editor.PrintContents(printer, 1, 10));
        return PrintedPdf(folder.path(name));
    }

    TempFolder folder;
    Editor editor;
};

TEST_F(TextPrinting, ThePrintDialogsRangeCopiesAndOrderDecideThePagesPrinted)
{
    const QStringList all = printThroughDialog({}, "all.pdf");
    ASSERT_GE(all.size(), 4) << "300 lines fill several pages";
    ASSERT_TRUE(all[0].contains("Строка 1 страницы"));
    ASSERT_TRUE(all.last().contains("Строка 300 страницы"));

    struct Case {
        const char *name;
        PrintDialogChoice choice;
        QList<int> pages; // of the whole print, from 1
    } cases[] = {
        {"pages from 2 to 2", {{}, 2, 2}, {2}},
        {"pages from 2 to 3", {{}, 2, 3}, {2, 3}},
        {"the last page and beyond", {{}, int(all.size()), 99}, {int(all.size())}},
        {"last page first", {{}, 1, 3, 1, true, true}, {3, 2, 1}},
        {"two collated copies", {{}, 1, 2, 2, true}, {1, 2, 1, 2}},
        {"two copies page by page", {{}, 1, 2, 2, false}, {1, 1, 2, 2}},
    };
    for (const Case &c : cases) {
        const QStringList printed = printThroughDialog(c.choice, QString::fromUtf8(c.name) + ".pdf");
        QStringList expected;
        for (const int page : c.pages)
            expected.append(all[page - 1]);
        EXPECT_EQ(printed, expected) << c.name;
    }
}

TEST_F(TextPrinting, WhatOnlyTheScreenShowsIsNotPrinted)
{
    const PrintedPdf plain = print("plain.pdf");

    editor.SetDisplayWhitespace(true);
    editor.SetDisplayLeftMargin(true);
    editor.SetAllBookmarks({0, 3, 4});
    editor.SetSel({2, 3, 6, 5});
    const PrintedPdf marked = print("marked.pdf");
    EXPECT_EQ(marked.picture(1), plain.picture(1)) << "whitespace marks, bookmarks and selection stay on the screen";

    editor.SetDisplayLeftMargin(false); // bookmarks now colour their lines
    EXPECT_EQ(print("lines.pdf").picture(1), plain.picture(1));

    EXPECT_TRUE(editor.DisplayWhitespace()) << "the screen shows the marks again";
}

} // namespace
