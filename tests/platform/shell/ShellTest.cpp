#include "platform/shell/Shell.h"
#include "tests/TempFolder.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace shell = platform::shell;

// The real starts: a program of the test's own writes down the arguments it was given.
TEST(Shell, AProgramGetsItsParametersAsOneArgumentUntouchedAndNoneWithout)
{
    const QString parameters = QStringLiteral("/home/user/Мои страницы/a b \"c\" $HOME *.htm");
    const struct {
        QString parameters;
        QString written;
    } cases[] = {
        {parameters, "1\n" + parameters + '\n'},
        {"", "0\n"}, // run on its own, as a tag button without the document's path runs it
    };
    for (const auto &c : cases) {
        TempFolder folder;
        const QString tool = folder.write("my tools/note args", "#!/bin/sh\n"
                                                               "out=\"$(dirname \"$0\")/args\"\n"
                                                               "printf '%s\\n' \"$#\" \"$@\" > \"$out.part\"\n"
                                                               "mv \"$out.part\" \"$out\"\n");
        QFile::setPermissions(tool, QFile::permissions(tool) | QFileDevice::ExeOwner);

        ASSERT_TRUE(shell::ShellOpen(tool, c.parameters, true)) << c.parameters.toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.path("my tools/args")); }, 20000))
            << "the program did not run: " << c.parameters.toStdString();
        EXPECT_EQ(folder.read("my tools/args").toStdString(), c.written.toStdString());
    }
}

TEST(Shell, ACallThatCannotStartReportsFailure)
{
    TempFolder folder;
    const QString page = folder.write("page.htm", "<html></html>");
    const struct {
        QString file;
        QString parameters;
    } cases[] = {
        {folder.path("missing/editor"), "-x"},
        {page, "-x"}, // a document is no program
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(shell::ShellOpen(c.file, c.parameters, false)) << c.file.toStdString();
}
