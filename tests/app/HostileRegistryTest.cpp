#include "app/core/mdlProgram.h"
#include "platform/windows/WindowTable.h"

#include "tests/ProgramCopies.h"
#include "tests/ProgramFolder.h"
#include "tests/UnreadableRegistries.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace windows = platform::windows;

namespace {

class HostileRegistry : public testing::TestWithParam<UnreadableRegistry> {};

// The real program started on a component registry it cannot read reaches its main window with the page
// it was given, as though nothing were registered, and ends when asked; the registry is left as it was.
TEST_P(HostileRegistry, TheStartReachesItsWindowAndLeavesTheRegistryAsItWas)
{
    ProgramFolder folder;
    const QString registry = folder.path(".components.json");
    ASSERT_TRUE(QFileInfo(registry).isFile()) << "the folder's registry holds MwFSO";
    GetParam().lay(registry);
    const QByteArray before = Fingerprint(registry);
    const QString page = folder.root.write("site/page.html", "<p>page</p>");

    QProcess program;
    // A copy that reads the registry whole would take the machine's memory with it.
    program.setChildProcessModifier([] {
        const rlimit memory{rlim_t(2) << 30, rlim_t(2) << 30};
        ::setrlimit(RLIMIT_AS, &memory);
    });
    folder.start(program, {page});
    const ScopedEnvironment table = folder.useWindowTable();
    const windows::Handle window = WaitForCopyWindow(program, [](const windows::WindowEntry &entry) {
        return entry.title == QStringLiteral("page.html - Marrowin Vellicor") &&
               windows::SendMessage(entry.handle, 0, 0, 0);
    }, 60000);
    ASSERT_NE(window, 0) << "no main window; the copy " << (program.state() == QProcess::Running ? "hangs" : "ended");

    ASSERT_TRUE(windows::SendMessage(window, mdlProgram::WM_CLOSE, 0, 0));
    EXPECT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EndProcess(program);
    EXPECT_EQ(Fingerprint(registry), before);
}

INSTANTIATE_TEST_SUITE_P(Registries, HostileRegistry, testing::ValuesIn(UnreadableRegistries),
                         casenames::Named(&UnreadableRegistry::name));

} // namespace
