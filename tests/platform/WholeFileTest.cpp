#include "platform/files/WholeFile.h"
#include "platform/files/SaveStream.h"

#include "tests/FileSizeLimit.h"
#include "tests/TempFolder.h"

#include <gtest/gtest.h>

using namespace platform::files;

TEST(WholeFile, AWriteThatFailsHalfwayLeavesTheOldFileAsItWas)
{
    TempFolder folder;
    const QString file = folder.write("doc.html", "old text");
    const QByteArray big(64 * 1024, 'x');
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(WriteWhole(file, big), FileError::TooLarge);
    }
    EXPECT_EQ(folder.read("doc.html"), QByteArray("old text"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"doc.html"});
}

TEST(WholeFile, RefusedTargets)
{
    TempFolder folder;
    QDir(folder.path()).mkdir("sub");
    EXPECT_EQ(WriteWhole(folder.path("missing/a.txt"), "a"), FileError::NoFolder);
    EXPECT_EQ(WriteWhole(folder.path("sub"), "a"), FileError::NotRegular);
    EXPECT_EQ(WriteWhole(QString(), "a"), FileError::NoFolder);
    EXPECT_FALSE(QFileInfo::exists(folder.path("missing")));
}

TEST(WholeFile, ReadTellsMissingFromFolder)
{
    TempFolder folder;
    folder.write("a.txt", "abc");
    EXPECT_EQ(ReadWhole(folder.path("a.txt")).bytes, QByteArray("abc"));
    EXPECT_EQ(ReadWhole(folder.path("none")).error, FileError::Missing);
    EXPECT_EQ(ReadWhole(folder.path()).error, FileError::Missing);
}

TEST(WholeFile, AReadWithALimitTakesAFileOfThatSizeAndRefusesOneByteMore)
{
    TempFolder folder;
    const QByteArray bytes(4096, 'x');
    EXPECT_EQ(ReadWhole(folder.write("limit.txt", bytes), 4096).bytes, bytes);
    const ReadResult over = ReadWhole(folder.write("over.txt", bytes + 'y'), 4096);
    EXPECT_EQ(over.error, FileError::TooLarge);
    EXPECT_TRUE(over.bytes.isEmpty());
    QFile sparse(folder.write("sparse.txt", QByteArray()));
    ASSERT_TRUE(sparse.resize(qint64(4) << 30));
    EXPECT_EQ(ReadWhole(sparse.fileName(), 4096).error, FileError::TooLarge) << "refused before it is read";
}

TEST(WholeFile, SlicesReadTheWholeFileInOrderAndWriteItOnlyOnCommit)
{
    TempFolder folder;
    QByteArray bytes;
    for (int i = 0; i < 10000; ++i)
        bytes += char(i * 7);
    const QString path = folder.write("big.bin", bytes);
    QByteArray joined;
    int slices = 0;
    ASSERT_EQ(ReadSlices(path, 4096, [&](QByteArrayView slice) {
                  joined += slice;
                  ++slices;
              }),
              FileError::None);
    EXPECT_EQ(joined, bytes);
    EXPECT_EQ(slices, 3);
    EXPECT_EQ(ReadSlices(folder.path("none"), 4096, [](QByteArrayView) {}), FileError::Missing);

    const QString copy = folder.write("copy.bin", "old");
    {
        SaveStream writer(copy);
        ASSERT_EQ(writer.Open(), FileError::None);
        writer.Write(bytes.left(5000));
        writer.Write(bytes.mid(5000));
        EXPECT_EQ(folder.read("copy.bin"), "old") << "nothing shows before the commit";
        EXPECT_EQ(writer.Commit(), FileError::None);
    }
    EXPECT_EQ(folder.read("copy.bin"), bytes);
    {
        SaveStream dropped(copy);
        ASSERT_EQ(dropped.Open(), FileError::None);
        dropped.Write("never committed");
    }
    EXPECT_EQ(folder.read("copy.bin"), bytes) << "a writer dropped without a commit leaves the file";
}

TEST(WholeFile, ACopyReplacesTheTargetByteForByte)
{
    TempFolder folder;
    QByteArray bytes;
    for (int i = 0; i < 3 * 1024 * 1024 + 17; ++i)
        bytes += char(i * 13);
    const QString from = folder.write("page.html", bytes);
    // The target was longer: nothing of it may be left at the end.
    const QString to = folder.write("~copy.html", QByteArray(4 * 1024 * 1024, 'x'));
    ASSERT_EQ(CopyWhole(from, to), FileError::None);
    EXPECT_EQ(folder.read("~copy.html"), bytes);

    const QString empty = folder.write("empty.txt", "");
    ASSERT_EQ(CopyWhole(empty, to), FileError::None);
    EXPECT_EQ(folder.read("~copy.html"), QByteArray());

    EXPECT_EQ(CopyWhole(folder.path("none"), to), FileError::Missing);
    EXPECT_EQ(CopyWhole(folder.path(), to), FileError::Missing);
    EXPECT_EQ(CopyWhole(from, folder.path("missing/copy.html")), FileError::NoFolder);
}

TEST(WholeFile, ACopyThatFailsHalfwayIsReported)
{
    TempFolder folder;
    const QString from = folder.write("page.html", QByteArray(64 * 1024, 'x'));
    FileSizeLimit limit(4096);
    EXPECT_EQ(CopyWhole(from, folder.path("~copy.html")), FileError::TooLarge);
}
