#include "app/core/mdlProgram.h"
#include "platform/windows/WindowTable.h"

#include "tests/CaseNames.h"
#include "tests/ProgramCopies.h"
#include "tests/ProgramDriver.h"
#include "tests/ProgramFolder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace windows = platform::windows;

namespace {

// What an install can leave in the page engine's place: a broken copy, something else under its name, or
// nothing.
struct BrokenModule {
    const char *name;
    void (*lay)(const QString &module);
    // Words of the reason the user is given.
    const char *reason;
};

void Remove(const QString &module)
{
    QFile::remove(module);
}

void Fifo(const QString &module)
{
    QFile::remove(module);
    ::mkfifo(QFile::encodeName(module).constData(), 0644);
}

void LinkToZero(const QString &module)
{
    QFile::remove(module);
    QFile::link(QStringLiteral("/dev/zero"), module);
}

// An interrupted copy: its loadable parts reach past the end of the file.
void CutTo4KB(const QString &module)
{
    QFile(module).resize(4096);
}

// A shared library of the program's, but no page engine.
void OtherLibrary(const QString &module)
{
    QFile::remove(module);
    QFile::copy(QStringLiteral(VELLICOR_PROGRAM_FOLDER "/MwFSO.so"), module);
}

// A page engine of the next version of the program.
void OtherVersion(const QString &module)
{
    QFile::remove(module);
    QFile::copy(QStringLiteral(OTHER_VERSION_ENGINE), module);
}

const BrokenModule BrokenModules[] = {
    {"Missing", Remove, "не найден"},
    {"Fifo", Fifo, "не является файлом"},
    {"LinkToDevZero", LinkToZero, "не является файлом"},
    {"CutTo4KB", CutTo4KB, "поврежден"},
    {"OtherLibrary", OtherLibrary, "не является модулем просмотра"},
    {"OtherVersion", OtherVersion, "другой версии программы"},
};

void PrintTo(const BrokenModule &broken, std::ostream *out)
{
    casenames::Print(out, broken.name);
}

class BrokenPageEngine : public testing::TestWithParam<BrokenModule> {};

// The real program with the page engine's module broken in its folder: the first preview (F12) tells the
// user once why pages cannot be shown, and the document is edited and saved as ever. The user's keys reach
// the copy through the test driver inside it; a copy that stops answering fails the test.
TEST_P(BrokenPageEngine, TheFirstPreviewSaysWhyOnceAndEditingAndSavingGoOn)
{
    const BrokenModule &broken = GetParam();
    ProgramFolder folder;
    const QString module = folder.path("PageEngine.so");
    broken.lay(module);
    const QString page = folder.root.write("site/page.html", "<p>old</p>");

    QProcessEnvironment environment = folder.environment();
    ProgramDriver user(folder.path(".driver"));
    user.AddTo(environment);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start(folder.executable(), {page});
    const ScopedEnvironment table = folder.useWindowTable();
    const windows::Handle window = WaitForCopyTitle(program, QStringLiteral("page.html - Marrowin Vellicor"));
    ASSERT_NE(window, 0) << "the program did not start";

    ASSERT_TRUE(user.Key("F12")) << user.problem.toStdString();
    const QList<ProgramDriver::Box> boxes = user.WaitForBoxes(30000);
    ASSERT_EQ(boxes.size(), 1) << "F12 brought no message: " << user.problem.toStdString();
    EXPECT_EQ(boxes[0].title, QStringLiteral("Ошибка чтения"));
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("Просмотр страниц недоступен.")))
        << boxes[0].text.toStdString();
    EXPECT_TRUE(boxes[0].text.contains(module)) << boxes[0].text.toStdString();
    EXPECT_TRUE(boxes[0].text.contains(QString::fromUtf8(broken.reason))) << boxes[0].text.toStdString();
    ASSERT_TRUE(user.Click(QStringLiteral("ОК"))) << user.problem.toStdString();

    // Back in the editor, the user types and saves; the preview, asked for again, says nothing more.
    ASSERT_TRUE(user.Key("F12")) << user.problem.toStdString();
    ASSERT_TRUE(user.Key("Ctrl+End")) << user.problem.toStdString();
    EXPECT_EQ(user.Type("new").value_or(user.problem), QStringLiteral("QsciScintilla"));
    ASSERT_TRUE(user.Key("Ctrl+S")) << user.problem.toStdString();
    for (int preview = 0; preview < 2; ++preview) {
        ASSERT_TRUE(user.Key("F12")) << user.problem.toStdString();
        const std::optional<QList<ProgramDriver::Box>> more = user.Boxes();
        ASSERT_TRUE(more) << user.problem.toStdString();
        EXPECT_TRUE(more->isEmpty()) << "told again: " << more->value(0).text.toStdString();
    }
    const QDeadlineTimer deadline(10000);
    while (folder.root.read("site/page.html") != "<p>old</p>new" && !deadline.hasExpired())
        QThread::msleep(20);
    EXPECT_EQ(folder.root.read("site/page.html"), QByteArray("<p>old</p>new"));

    ASSERT_TRUE(windows::SendMessage(window, mdlProgram::WM_CLOSE, 0, 0));
    EXPECT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EndProcess(program);
}

INSTANTIATE_TEST_SUITE_P(Modules, BrokenPageEngine, testing::ValuesIn(BrokenModules),
                         casenames::Named(&BrokenModule::name));

} // namespace
