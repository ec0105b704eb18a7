#include "app/core/mdlLibrary.h"

#include "app/core/mdlLoad.h"
#include "tests/SmallFileSystem.h"
#include "tests/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace mdlLibrary;

TEST(TextFiles, ReadGivesEmptyTextForMissingEmptyAndFolderPaths)
{
    TempFolder folder;
    folder.write("empty.txt", "");
    EXPECT_EQ(FileReadText(folder.path("none.txt")), QString());
    EXPECT_EQ(FileReadText(folder.path("empty.txt")), QString());
    EXPECT_EQ(FileReadText(folder.path()), QString());
}

TEST(TextFiles, IsTextFileAsksOnlyWhetherTheFileReads)
{
    TempFolder folder;
    folder.write("empty.txt", "");
    folder.write("binary.bin", QByteArray("\x00\x01\xff\xfe", 4));
    EXPECT_TRUE(IsTextFile(folder.path("empty.txt")));
    EXPECT_TRUE(IsTextFile(folder.path("binary.bin")));
    EXPECT_FALSE(IsTextFile(folder.path()));
    EXPECT_FALSE(IsTextFile(folder.path("none.txt")));
    EXPECT_FALSE(IsTextFile(QString()));
}

// A reader never waits on a FIFO for a writer, nor reads a device without end: only regular files are
// text files, whatever a path names, directly or through a link.
TEST(TextFiles, AnythingButARegularFileCountsAsMissing)
{
    TempFolder folder;
    const QString fifo = folder.path("list.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
    const QString zero = folder.path("zero.ini");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    const QString linkToFifo = folder.path("fifo link.ini");
    ASSERT_TRUE(QFile::link(fifo, linkToFifo));
    for (const QString &path : {fifo, zero, linkToFifo, QStringLiteral("/dev/null")}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(IsTextFile(path));
        EXPECT_FALSE(IsFileExist(path));
        EXPECT_FALSE(TryReadText(path).ok());
        EXPECT_EQ(FileReadText(path, TextEncoding::Utf8), QString());
    }
    folder.write("real.ini", "a=1");
    ASSERT_TRUE(QFile::link(folder.path("real.ini"), folder.path("link.ini")));
    EXPECT_TRUE(IsTextFile(folder.path("link.ini"))) << "a link to a regular file is that file";
    EXPECT_EQ(FileReadText(folder.path("link.ini")), "a=1");
}

TEST(TextFiles, WriteIsExactAndReadKeepsMarksAndLineEnds)
{
    TempFolder folder;
    EXPECT_TRUE(FileWriteText(folder.path("abc.txt"), "abc"));
    EXPECT_EQ(folder.read("abc.txt"), QByteArray("abc"));

    const QByteArray bytes("\xef\xbb\xbfone\r\ntwo\nthree\rfour\r\n");
    folder.write("marked.txt", bytes);
    const QString text = FileReadText(folder.path("marked.txt"));
    EXPECT_EQ(text.size(), bytes.size());
    EXPECT_TRUE(FileWriteText(folder.path("copy.txt"), text));
    EXPECT_EQ(folder.read("copy.txt"), bytes);
}

TEST(TextFiles, WriteIntoAMissingFolderFailsAndCreatesNothing)
{
    TempFolder folder;
    EXPECT_FALSE(FileWriteText(folder.path("no/such/a.txt"), "abc"));
    EXPECT_FALSE(QFileInfo::exists(folder.path("no")));
}

// A file with a second hard link is written in place; its old content waits in the program's tmp/, and a
// tmp/ too full to take it is the reason given, not the file's disk.
TEST(TextFiles, AFileWrittenInPlaceKeepsItsBackupInTheProgramsTmp)
{
    const SmallFileSystem tmp(64);
    if (!tmp.ok())
        GTEST_SKIP() << "mounting a small file system needs root, as the test machines run";
    TempFolder folder;
    const QByteArray old(256 * 1024, 'o');
    const QString path = folder.write("setting.ini", old);
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(folder.path("shared.ini")).constData()), 0);
    const QString programTmp = mdlLoad::TmpFolder;
    mdlLoad::TmpFolder = tmp.path("tmp/");
    QDir().mkpath(mdlLoad::TmpFolder);
    const TextWritten written = FileWriteText(path, "a=1");
    mdlLoad::TmpFolder = programTmp;
    EXPECT_EQ(written.error, platform::files::FileError::NoSpaceForBackup);
    EXPECT_EQ(folder.read("shared.ini"), old);
}

TEST(TextFiles, Utf8FilesHoldHostPaths)
{
    TempFolder folder;
    const QString path = QStringLiteral("/home/пользователь/страница.html");
    EXPECT_TRUE(FileWriteText(folder.path("send.txt"), path, TextEncoding::Utf8));
    EXPECT_EQ(folder.read("send.txt"), path.toUtf8());
    EXPECT_EQ(FileReadText(folder.path("send.txt"), TextEncoding::Utf8), path);
}

TEST(TextFiles, EveryKindOfLineEndEndsALine)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\n"), (QStringList{""}));
    EXPECT_EQ(SplitLines(""), QStringList());
}

TEST(Conversions, WholeNumbersAndBooleans)
{
    EXPECT_EQ(ToWholeNumber(" 07 "), 7);
    EXPECT_EQ(ToWholeNumber("12.5"), 12);
    EXPECT_EQ(ToWholeNumber("13.5"), 14);
    EXPECT_EQ(ToWholeNumber("-3"), -3);
    EXPECT_EQ(ToWholeNumber("abc"), std::nullopt);
    EXPECT_EQ(ToWholeNumber("12abc"), std::nullopt);
    EXPECT_EQ(ToWholeNumber(""), std::nullopt);
    EXPECT_EQ(ToWholeNumber("99999999999"), std::nullopt);
    EXPECT_EQ(ToBoolean("TRUE"), true);
    EXPECT_EQ(ToBoolean("false"), false);
    EXPECT_EQ(ToBoolean("0"), false);
    EXPECT_EQ(ToBoolean("-1"), true);
    EXPECT_EQ(ToBoolean("yes"), std::nullopt);
    EXPECT_EQ(TrimSpaces("  a\tb \t "), QString("a\tb \t"));
}
