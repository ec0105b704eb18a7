#include "platform/files/Drives.h"
#include "tests/TempMountRoots.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <gtest/gtest.h>

namespace files = platform::files;

namespace {

TEST(Drives, TheRootComesFirstAndEveryDriveEndsWithTheSeparator)
{
    const QStringList roots = files::DriveRoots();
    ASSERT_FALSE(roots.isEmpty());
    EXPECT_EQ(roots.first(), QStringLiteral("/"));
    for (const QString &root : roots) {
        EXPECT_TRUE(root.endsWith(u'/')) << root.toStdString();
        EXPECT_TRUE(files::IsDriveRoot(root)) << root.toStdString();
        EXPECT_TRUE(files::IsDriveRoot(root.size() > 1 ? root.chopped(1) : root)) << root.toStdString();
    }
    EXPECT_FALSE(files::IsDriveRoot(QString()));
}

// A kernel or system mount is no drive even where it is mounted: its folders lie on the drive "/".
TEST(Drives, SystemMountsAreFoldersOfTheRootDrive)
{
    for (const QString folder : {"/dev/", "/proc/", "/sys/", "/run/", "/boot/"}) {
        if (!QFileInfo(folder).isDir())
            continue;
        EXPECT_FALSE(files::IsDriveRoot(folder)) << folder.toStdString()
                                                 << (QStorageInfo(folder).rootPath() == folder.chopped(1) ? " (a mount)" : "");
        EXPECT_EQ(files::DriveOf(folder + QStringLiteral("x")), QStringLiteral("/")) << folder.toStdString();
    }
}

// Mount roots inside one another: a path belongs to the innermost.
TEST(Drives, ConfiguredMountRootsStandForTheMountTable)
{
    const TempMountRoots mounts({"/media/disk", "/media/disk/inner/", "/", "/media/disk/"});
    EXPECT_EQ(files::DriveRoots(), QStringList({"/", "/media/disk/", "/media/disk/inner/"}));
    struct Case {
        const char *path, *drive;
    } cases[] = {{"/media/disk/inner/x/y", "/media/disk/inner/"},
                 {"/media/disk/inner", "/media/disk/inner/"},
                 {"/media/disk/innermost", "/media/disk/"},
                 {"/media/disks", "/"},
                 {"/proc/1", "/"}};
    for (const Case &c : cases)
        EXPECT_EQ(files::DriveOf(c.path), c.drive) << c.path;
    EXPECT_TRUE(files::IsDriveRoot("/media/disk"));
    EXPECT_FALSE(files::IsDriveRoot("/media"));
}

TEST(Drives, AnEmptyListOfMountRootsLeavesTheRootAlone)
{
    const TempMountRoots mounts({});
    EXPECT_EQ(files::DriveRoots(), QStringList({"/"}));
}

TEST(Drives, DriveOfARelativeOrEmptyPathIsEmpty)
{
    EXPECT_EQ(files::DriveOf(QString()), QString());
    EXPECT_EQ(files::DriveOf(QStringLiteral("web/index.htm")), QString());
    EXPECT_EQ(files::DriveOf(QStringLiteral("/")), QStringLiteral("/"));
}

} // namespace
