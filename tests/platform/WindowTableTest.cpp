#include "platform/windows/WindowTable.h"

#include <gtest/gtest.h>

namespace windows = platform::windows;

namespace {

// A starting copy lists its own application window under the program's title: activating "the running
// copy" by that title must never pick it.
TEST(WindowTable, ActivationByTitleOnlyEverReachesAnotherCopy)
{
    const QString title = QStringLiteral("Только окно этой копии");
    const windows::Handle own = windows::RegisterApplicationWindow(title);
    ASSERT_NE(own, 0);
    EXPECT_EQ(windows::GetWindowText(own), title);
    EXPECT_TRUE(windows::IsOwnWindow(own));
    EXPECT_FALSE(windows::ActivateByTitle(title));
    windows::UnregisterWindow(own);
}

} // namespace
