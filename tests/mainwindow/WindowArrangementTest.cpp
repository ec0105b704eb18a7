#include "app/core/mdlLoad.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/mainwindow/frmMain.h"
#include "tests/documents/OpenDocumentsFixture.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The Windows menu and the document tabs while the documents are maximised, chosen with the mouse.
class WindowArrangement : public OpenDocuments {
protected:
    // Three documents, the last one active, all shown maximised; their numbers.
    QList<int> openMaximised()
    {
        QList<int> numbers;
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            numbers << open(name, name);
        window(numbers.last())->showMaximized();
        settle();
        EXPECT_TRUE(window(numbers.last())->isMaximized());
        return numbers;
    }

    static QMdiSubWindow *window(int number) { return document(number)->subWindow; }
};

TEST_F(WindowArrangement, MinimiseAllMinimisesMaximisedDocuments)
{
    const QList<int> numbers = openMaximised();
    chooseInWindowsMenu(main()->mnuWindows_Min);
    for (const int n : numbers) {
        EXPECT_TRUE(window(n)->isMinimized()) << n;
        EXPECT_FALSE(window(n)->isMaximized()) << n;
    }
}

TEST_F(WindowArrangement, AClickOnTheTabOfAMinimisedDocumentRestoresIt)
{
    // Which documents are clicked, by their place among the three.
    struct Case {
        const char *name;
        std::function<void(const QList<int> &)> minimise;
        QList<int> clicked;
    };
    const Case cases[] = {
        {"the maximised one minimised", [](const QList<int> &n) { window(n[2])->showMinimized(); }, {2}},
        {"all minimised", [](const QList<int> &) { chooseInWindowsMenu(main()->mnuWindows_Min); }, {0, 2, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QList<int> numbers = openMaximised();
        c.minimise(numbers);
        settle();
        for (const int place : c.clicked) {
            const int n = numbers[place];
            ASSERT_TRUE(window(n)->isMinimized()) << n;
            clickTab(n);
            EXPECT_EQ(main()->ActiveFileIndex, n);
            EXPECT_EQ(main()->mdiArea->activeSubWindow(), window(n)) << n;
            EXPECT_FALSE(window(n)->isMinimized()) << n;
            EXPECT_EQ(QApplication::focusWidget(), editor(n)->Control()) << "the keys go to the document";
        }
        main()->mnuFile_CloseAll->trigger();
        settle();
    }
}

TEST_F(WindowArrangement, ClosingAMaximisedDocumentLeavesTheOthersMaximised)
{
    openMaximised();
    for (const int closed : {3, 2}) {
        ASSERT_EQ(main()->ActiveFileIndex, closed);
        main()->mnuFile_Close->trigger();
        settle();
        ASSERT_TRUE(record(closed).Closed);
        const int active = main()->ActiveFileIndex;
        ASSERT_GT(active, 0);
        EXPECT_TRUE(window(active)->isMaximized()) << closed << " closed, " << active << " shown";
    }
}

} // namespace
