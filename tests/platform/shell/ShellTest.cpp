#include "platform/shell/Shell.h"
#include "tests/DesktopRecorder.h"
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

        ASSERT_TRUE(shell::StartProgram(tool, c.parameters, true)) << c.parameters.toStdString();
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
        EXPECT_FALSE(shell::StartProgram(c.file, c.parameters, false)) << c.file.toStdString();
}

// The real call, the desktop's handler of "file:" addresses standing in for the user's associated program:
// a page that is also a program goes to the desktop as a document and is never run.
TEST(Shell, AnExecutablePageOpenedForViewingRunsNothing)
{
    for (const char *name : {"form.cgi", "page.html"}) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const QString page = folder.write(QString("site/") + name, "#!/bin/sh\n"
                                                                   "touch \"$(dirname \"$0\")/ran\"\n"
                                                                   "<html><body>page</body></html>\n");
        QFile::setPermissions(page, QFile::permissions(page) | QFileDevice::ExeOwner);
        DesktopRecorder desktop;

        EXPECT_TRUE(shell::OpenDocument(page, true));
        EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(page)});
        QTest::qWait(500);
        EXPECT_FALSE(QFile::exists(folder.path("site/ran"))) << "the page was run";
    }
}
