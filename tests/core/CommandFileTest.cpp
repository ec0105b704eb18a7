#include "app/core/mdlLoad.h"
#include "app/core/mdlProgram.h"

#include "tests/TempFolder.h"

#include <gtest/gtest.h>

using mdlProgram::GetCommandFile;

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
    for (const QString &line : {'"' + file + '"', '\'' + file + '"', "  " + file + "  ", file}) {
        QString path;
        EXPECT_TRUE(GetCommandFile(path, line)) << line.toStdString();
        EXPECT_EQ(path, file);
    }
}

TEST_F(CommandFile, NamesNothingReadable)
{
    for (const QString &line : {QString(), QString("ab"), QString("\"\""), file + ".missing", folder.path()}) {
        QString path = "stale";
        EXPECT_FALSE(GetCommandFile(path, line)) << line.toStdString();
        EXPECT_TRUE(path.isEmpty());
    }
}

// However the command line spells the path, the file is named by its one clean absolute path.
TEST_F(CommandFile, ThePathIsMadeClean)
{
    const QString root = folder.path();
    const QStringList lines = {"./docs/index.html", "docs//index.html", "docs/../docs/./index.html",
                               "/" + root + "//docs/index.html", root + "/docs/sub/../index.html"};
    for (const QString &line : lines) {
        QString path;
        EXPECT_TRUE(GetCommandFile(path, line)) << line.toStdString();
        EXPECT_EQ(path, file) << line.toStdString();
    }
}

TEST_F(CommandFile, RelativePathsBelongToTheProgramFolderOrTheCurrentFolder)
{
    QString path;
    EXPECT_TRUE(GetCommandFile(path, "docs/index.html"));
    EXPECT_EQ(path, file);

    // A second copy has no program folder yet: the path is its current folder's, made absolute.
    mdlLoad::ProgramFolder.clear();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path("docs"));
    EXPECT_TRUE(GetCommandFile(path, "index.html"));
    QDir::setCurrent(previous);
    EXPECT_TRUE(path.startsWith('/'));
    EXPECT_EQ(QFileInfo(path).canonicalFilePath(), QFileInfo(file).canonicalFilePath());
}

} // namespace
