#include "app/core/mdlLoad.h"
#include "app/core/mdlProgram.h"
#include "platform/files/EntryKind.h"

#include "tests/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using mdlProgram::GetCommandFile;
using platform::files::EntryKind;

namespace {

class CommandFile : public testing::Test {
protected:
    void SetUp() override
    {
        file = folder.write("docs/index.html", "<html>");
        mdlLoad::ProgramFolder = folder.path() + "/";
    }
    void TearDown() override { mdlLoad::ProgramFolder.clear(); }

    TempFolder folder;
    QString file;
};

TEST_F(CommandFile, QuotesAroundThePathAreRemoved)
{
    for (const QString &argument : {'"' + file + '"', '\'' + file + '"', "  " + file + "  ", file})
        EXPECT_EQ(GetCommandFile(argument), file) << argument.toStdString();
}

TEST_F(CommandFile, NamesNothing)
{
    for (const QString &argument : {QString(), QString("ab"), QString("\"\""), file + ".missing", QString("\"  \"")})
        EXPECT_EQ(GetCommandFile(argument), QString()) << argument.toStdString();
}

// Each argument is one whole path: blanks and quotes that belong to a name stay in it.
TEST_F(CommandFile, ANameWithBlanksOrQuotesIsTakenAsItStands)
{
    for (const char *name : {"docs/ page.html ", "docs/it's'", "docs/\"draft\"", "ab", "docs/две страницы.html"}) {
        const QString named = folder.write(name, "<p>");
        EXPECT_EQ(GetCommandFile(named), named) << name;
        EXPECT_EQ(GetCommandFile(name), named) << name << ", relative";
    }
}

// A folder, a FIFO or a device is there, though it is no file: its path is named, so that the user can be
// told what it is.
TEST_F(CommandFile, WhatIsThereButIsNoFileIsNamedWithWhatItIs)
{
    const QString fifo = folder.path("docs/pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        QString argument;
        QString path;
        EntryKind kind;
    } cases[] = {
        {folder.path("docs") + "/", folder.path("docs"), EntryKind::Folder},
        {"docs/pipe", fifo, EntryKind::Fifo},
        {"/dev/zero", "/dev/zero", EntryKind::Device},
        {file, file, EntryKind::File},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(GetCommandFile(c.argument), c.path) << c.argument.toStdString();
        EXPECT_EQ(platform::files::KindOf(c.path), c.kind) << c.argument.toStdString();
    }
}

// However the command line spells the path, the file is named by its one clean absolute path.
TEST_F(CommandFile, ThePathIsMadeClean)
{
    const QString root = folder.path();
    const QStringList arguments = {"./docs/index.html", "docs//index.html", "docs/../docs/./index.html",
                                   "/" + root + "//docs/index.html", root + "/docs/sub/../index.html"};
    for (const QString &argument : arguments)
        EXPECT_EQ(GetCommandFile(argument), file) << argument.toStdString();
}

TEST_F(CommandFile, RelativePathsBelongToTheProgramFolderOrTheCurrentFolder)
{
    EXPECT_EQ(GetCommandFile("docs/index.html"), file);

    // A second copy has no program folder yet: the path is its current folder's, made absolute.
    mdlLoad::ProgramFolder.clear();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path("docs"));
    const QString path = GetCommandFile("index.html");
    QDir::setCurrent(previous);
    EXPECT_TRUE(path.startsWith('/'));
    EXPECT_EQ(QFileInfo(path).canonicalFilePath(), QFileInfo(file).canonicalFilePath());
}

} // namespace
