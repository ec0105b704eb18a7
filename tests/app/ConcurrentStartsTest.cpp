#include "app/core/mdlProgram.h"
#include "platform/windows/WindowTable.h"

#include "tests/CaseNames.h"
#include "tests/ProgramCopies.h"
#include "tests/ProgramFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace windows = platform::windows;

namespace {

constexpr int Copies = 20;

// Twenty copies of the real program started at the same moment, each with a file of its own, as a file
// manager's "open with" on twenty files starts them; with or without a copy running before them.
struct Case {
    const char *name;
    bool running;
};

void PrintTo(const Case &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class ConcurrentStarts : public testing::TestWithParam<Case> {
protected:
    void TearDown() override
    {
        for (auto &copy : copies)
            EndProcess(*copy);
    }

    QProcess &newCopy() { return *copies.emplace_back(std::make_unique<QProcess>()); }

    std::vector<QProcess *> runningCopies() const
    {
        std::vector<QProcess *> running;
        for (const auto &copy : copies)
            if (copy->state() != QProcess::NotRunning)
                running.push_back(copy.get());
        return running;
    }

    // The recent files that the copy wrote at its exit.
    QSet<QString> RecentFiles() const
    {
        const QStringList files = folder.recentFiles();
        return QSet<QString>(files.begin(), files.end());
    }

    ProgramFolder folder;
    const ScopedEnvironment table = folder.useWindowTable();
    std::vector<std::unique_ptr<QProcess>> copies;
};

TEST_P(ConcurrentStarts, EveryFileOpensInTheOneCopyThatRuns)
{
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n[setting_common]\r\nmax_magazine=30\r\n");
    QSet<QString> files;
    for (int i = 1; i <= Copies; ++i)
        files.insert(folder.root.write(QStringLiteral("site/page%1.html").arg(i), "<p>"));
    if (GetParam().running) {
        QProcess &running = newCopy();
        folder.start(running);
        ASSERT_NE(WaitForCopyWindow(running), 0);
    }

    for (const QString &file : files) {
        QProcess &copy = newCopy();
        copy.setProcessEnvironment(folder.environment());
        copy.setWorkingDirectory(folder.path());
        copy.start(folder.executable(), {file});
    }
    // Every copy but the one that runs hands its file over and ends.
    const QDeadlineTimer deadline(120000);
    while (runningCopies().size() > 1 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const std::vector<QProcess *> left = runningCopies();
    ASSERT_EQ(left.size(), 1u);
    if (GetParam().running) {
        EXPECT_EQ(left.front(), copies.front().get()) << "the copy that ran before keeps running";
    }
    for (const auto &copy : copies) {
        if (copy.get() != left.front()) {
            EXPECT_EQ(copy->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(copy->exitCode(), 0);
        }
    }

    const windows::Handle window = WaitForCopyWindow(*left.front());
    ASSERT_NE(window, 0);
    ASSERT_TRUE(windows::SendMessage(window, mdlProgram::WM_CLOSE, 0, 0));
    ASSERT_TRUE(left.front()->waitForFinished(60000));
    const QSet<QString> opened = RecentFiles();
    EXPECT_EQ(opened, files) << opened.size() << " of " << Copies << " files opened";
}

INSTANTIATE_TEST_SUITE_P(, ConcurrentStarts,
                         testing::Values(Case{"ACopyRunsAlready", true}, Case{"NoCopyRunsYet", false}),
                         casenames::Named(&Case::name));

} // namespace
