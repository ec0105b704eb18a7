#include "platform/windows/WindowTable.h"
#include "tests/ScopedEnvironment.h"
#include "tests/TempFolder.h"

#include <QFileInfo>

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

// The table folder of a copy whose display is given by these two variables (null: not set).
QString TableOn(const TempFolder &runtime, const char *wayland, const char *x)
{
    const QByteArray runtimePath = QFile::encodeName(runtime.path());
    const ScopedEnvironment display({{"VELLICOR_WINDOW_TABLE", nullptr}, {"XDG_RUNTIME_DIR", runtimePath.constData()},
                                     {"WAYLAND_DISPLAY", wayland}, {"DISPLAY", x}});
    return windows::TableFolder();
}

// One table for each display: copies on two displays never meet, the screens of one X display are one
// display, and a Wayland session's copies share one table whichever platform they draw with.
TEST(WindowTable, EachDisplayHasATableOfItsOwn)
{
    const TempFolder runtime;
    struct Case {
        const char *name;
        const char *wayland[2];
        const char *x[2];
        bool same;
    } cases[] = {
        {"two X displays", {nullptr, nullptr}, {":0", ":1"}, false},
        {"two screens of one X display", {nullptr, nullptr}, {":0", ":0.1"}, true},
        {"an X display on another host", {nullptr, nullptr}, {":10", "remote:10.0"}, false},
        {"two Wayland sockets", {"wayland-0", "wayland-1"}, {":0", ":0"}, false},
        {"one Wayland socket, with its X server or not", {"wayland-0", "wayland-0"}, {":0", nullptr}, true},
        {"a Wayland socket and an X display", {"wayland-0", nullptr}, {":0", ":0"}, false},
    };
    for (const Case &c : cases) {
        const QString one = TableOn(runtime, c.wayland[0], c.x[0]);
        const QString other = TableOn(runtime, c.wayland[1], c.x[1]);
        EXPECT_EQ(one == other, c.same) << c.name << ": " << one.toStdString() << ", " << other.toStdString();
        for (const QString &table : {one, other})
            EXPECT_EQ(QFileInfo(table).path(), runtime.path()) << c.name << ": in the user's runtime folder";
    }
    // A Wayland socket named by its full path still gives one folder in the runtime folder.
    EXPECT_EQ(QFileInfo(TableOn(runtime, "/run/user/1000/wayland-0", nullptr)).path(), runtime.path());
}

} // namespace
