#include "platform/files/WholeFile.h"

#include "tests/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace platform::files;

namespace {

// Lowers the largest file this process may write, for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

TEST(WholeFile, AWriteThatFailsHalfwayLeavesTheOldFileAsItWas)
{
    TempFolder folder;
    const QString file = folder.write("doc.html", "old text");
    const QByteArray big(64 * 1024, 'x');
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(WriteWhole(file, big), FileError::Unwritable);
    }
    EXPECT_EQ(folder.read("doc.html"), QByteArray("old text"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"doc.html"});
}

TEST(WholeFile, RefusedTargets)
{
    TempFolder folder;
    QDir(folder.path()).mkdir("sub");
    EXPECT_EQ(WriteWhole(folder.path("missing/a.txt"), "a"), FileError::Unwritable);
    EXPECT_EQ(WriteWhole(folder.path("sub"), "a"), FileError::Unwritable);
    EXPECT_EQ(WriteWhole(QString(), "a"), FileError::Unwritable);
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
