#include "app/core/mdlProgram.h"
#include "platform/windows/WindowTable.h"

#include "tests/ProgramCopies.h"
#include "tests/ProgramFolder.h"

#include <gtest/gtest.h>

namespace windows = platform::windows;

namespace {

// The real program on a program folder whose panel.ini holds a group of about 250 000 buttons (one line
// of 1 MB) and 100 000 groups after it: the start runs to its end, which opens the first document, and
// the program closes when asked. The wait is generous, far above a start's second, and far below the
// minutes that building such a panel in full took.
TEST(HugeTagPanel, AStartWithAHugeTagGroupReachesItsMainWindowAndCloses)
{
    ProgramFolder folder;
    QByteArray panels = "\xcc\xed\xee\xe3\xee |"; // "Много"
    while (panels.size() < 1000000)
        panels += "101 102 0 103 ";
    panels += "\r\n";
    for (int i = 1; i <= 100000; ++i)
        panels += "Group " + QByteArray::number(i) + " |101\r\n";
    folder.root.write("setting/panel.ini", panels);

    const ScopedEnvironment table = folder.useWindowTable();
    QProcess program;
    folder.start(program);
    const windows::Handle window = WaitForCopyWindow(
        program,
        [](const windows::WindowEntry &entry) { return entry.title.endsWith(QLatin1String(" - Marrowin Vellicor")); },
        120000);
    EXPECT_NE(window, 0) << "the main window names the document that the start opened";
    if (window) {
        EXPECT_TRUE(windows::SendMessage(window, mdlProgram::WM_CLOSE, 0, 0));
        EXPECT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitCode(), 0);
    }
    EndProcess(program);
}

} // namespace
