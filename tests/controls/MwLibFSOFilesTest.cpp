#include "controls/MwLibFSO.h"

#include "../TempFolder.h"
#include "../Unprivileged.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace MwFSO;

namespace {

// A temporary folder with the helper and a few ways to lay out files in it; paths end as the
// library writes them (folders with "/").
class MwLibFSOFiles : public testing::Test {
protected:
    QString Path(const QString &name = QString()) const { return folder.path(name); }
    QString Folder(const QString &name) const
    {
        QDir().mkpath(Path(name));
        return Path(name) + QLatin1Char('/');
    }
    QString File(const QString &name, const QByteArray &bytes = "x") const { return folder.write(name, bytes); }

    // The error number that `call` raises, 0 when it raises none.
    template <typename Call>
    static qint32 Raised(Call &&call)
    {
        try {
            call();
        } catch (const MwFSOError &error) {
            return error.Number;
        }
        return 0;
    }

    TempFolder folder;
    MwLibFSO fso;
};

TEST_F(MwLibFSOFiles, CreateWritesTextAndRefusesAnExistingFileWithoutOverwrite)
{
    const QString file = Path("a.txt");
    EXPECT_TRUE(fso.FileCreate(file, false, QString()));
    EXPECT_EQ(folder.read("a.txt"), QByteArray());
    EXPECT_TRUE(fso.FileCreate(file, true, QStringLiteral("Привет")));
    EXPECT_EQ(folder.read("a.txt"), QByteArray("\xcf\xf0\xe8\xe2\xe5\xf2"));
    EXPECT_EQ(Raised([&] { fso.FileCreate(file, false, QStringLiteral("x")); }), ErrorFileExists);
    EXPECT_EQ(folder.read("a.txt"), QByteArray("\xcf\xf0\xe8\xe2\xe5\xf2"));
    EXPECT_EQ(fso.FileOpenText(file, false, true), QStringLiteral("Привет"));
}

TEST_F(MwLibFSOFiles, TextOfMissingFiles)
{
    const QString missing = Path("missing.txt");
    EXPECT_EQ(fso.FileOpenText(missing, false, true), QString());
    EXPECT_EQ(Raised([&] { fso.FileOpenText(missing, false, false); }), ErrorFileNotFound);
    EXPECT_EQ(fso.FileOpenText(missing, true, false), QString());
    EXPECT_TRUE(QFile::exists(missing));
    // Saving never creates the file.
    EXPECT_EQ(Raised([&] { fso.FileSaveText(Path("other.txt"), QStringLiteral("x")); }), ErrorFileNotFound);
    EXPECT_FALSE(QFile::exists(Path("other.txt")));
}

TEST_F(MwLibFSOFiles, CopyAndMoveKeepTargetsWithoutOverwrite)
{
    const QString a = File("a.txt", "old a");
    const QString b = File("b.txt", "old b");
    EXPECT_FALSE(fso.FileCopy(a, Path("nowhere/a.txt"), true));
    EXPECT_FALSE(fso.FileCopy(Path("missing.txt"), Path("c.txt"), true));
    EXPECT_EQ(Raised([&] { fso.FileCopy(a, b, false); }), ErrorFileExists);
    EXPECT_EQ(folder.read("b.txt"), "old b");
    EXPECT_TRUE(fso.FileCopy(a, b, true));
    EXPECT_EQ(folder.read("b.txt"), "old a");
    EXPECT_TRUE(fso.FileCopy(a, Folder("into"), false));
    EXPECT_EQ(folder.read("into/a.txt"), "old a");

    File("b.txt", "old b");
    EXPECT_FALSE(fso.FileMove(a, b, false));
    EXPECT_EQ(folder.read("a.txt"), "old a");
    EXPECT_EQ(folder.read("b.txt"), "old b");
    // An existing target is not removed first, whatever the overwrite flag says.
    EXPECT_EQ(Raised([&] { fso.FileMove(a, b, true); }), ErrorFileExists);
    EXPECT_TRUE(fso.FileMove(a, Path("c.txt"), false));
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(folder.read("c.txt"), "old a");
    EXPECT_FALSE(fso.FileMove(a, Path("d.txt"), true));
}

TEST_F(MwLibFSOFiles, DeleteRefusesReadOnlyAndMissingFiles)
{
    const QString file = File("a.txt");
    QFile::setPermissions(file, QFileDevice::ReadOwner);
    EXPECT_EQ(fso.GetFileInfoAttributes(file), FileAttributeReadOnly);
    EXPECT_EQ(Raised([&] { fso.FileDelete(file); }), ErrorPermissionDenied);
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(fso.FileDelete(file));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(Raised([&] { fso.FileDelete(file); }), ErrorFileNotFound);
}

TEST_F(MwLibFSOFiles, FoldersCreateCopyMoveAndDelete)
{
    const QString source = Folder("src");
    File("src/inner/a.txt", "a");
    EXPECT_TRUE(fso.FolderCreate(Path("made"), false));
    EXPECT_EQ(Raised([&] { fso.FolderCreate(Path("made"), false); }), ErrorFileExists);
    EXPECT_EQ(Raised([&] { fso.FolderCreate(Path("no/such"), false); }), ErrorPathNotFound);

    EXPECT_FALSE(fso.FolderCopy(source, Path("no/such"), true));
    EXPECT_TRUE(fso.FolderCopy(source, Path("copy"), false));
    EXPECT_EQ(folder.read("copy/inner/a.txt"), "a");
    EXPECT_EQ(Raised([&] { fso.FolderCopy(source, Path("copy"), false); }), ErrorFileExists);
    File("src/inner/a.txt", "changed");
    EXPECT_TRUE(fso.FolderCopy(source, Path("copy"), true));
    EXPECT_EQ(folder.read("copy/inner/a.txt"), "changed");
    // Into itself the copy would never end.
    EXPECT_EQ(Raised([&] { fso.FolderCopy(source, Path("src/inner/again"), true); }), ErrorPermissionDenied);

    EXPECT_FALSE(fso.FolderMove(source, Path("copy"), false));
    EXPECT_TRUE(fso.FolderMove(source, Path("moved"), false));
    EXPECT_FALSE(QFileInfo::exists(source));
    EXPECT_EQ(folder.read("moved/inner/a.txt"), "changed");

    EXPECT_TRUE(fso.FolderDelete(Path("moved")));
    EXPECT_FALSE(QFileInfo::exists(Path("moved")));
    EXPECT_EQ(Raised([&] { fso.FolderDelete(Path("moved")); }), ErrorPathNotFound);
}

TEST_F(MwLibFSOFiles, FileRecords)
{
    const QString web = Folder("web");
    const QString file = File("web/index.htm", "12345");
    const FileInfo info = fso.FileObjInfo(file);
    EXPECT_TRUE(info.FileInfoExist);
    EXPECT_EQ(info.FileInfoPath, file);
    EXPECT_EQ(info.FileInfoName, QStringLiteral("index.htm"));
    EXPECT_EQ(info.FileInfoBaseName, QStringLiteral("index"));
    EXPECT_EQ(info.FileInfoExt, QStringLiteral("htm"));
    EXPECT_TRUE(info.FileInfoParentDrive.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(file.startsWith(info.FileInfoParentDrive));
    EXPECT_EQ(info.FileInfoParentFolder, web);
    EXPECT_FALSE(info.FileInfoType.isEmpty());
    EXPECT_EQ(info.FileInfoAttributes, 0);
    EXPECT_EQ(info.FileInfoSize, 5);

    const FileInfoFull full = fso.FileObjInfoFull(file);
    EXPECT_EQ(full.FileInfoShortPath, file);
    EXPECT_EQ(full.FileInfoShortName, QStringLiteral("index.htm"));
    EXPECT_TRUE(full.FileInfoDateModified.isValid());
    EXPECT_TRUE(full.FileInfoDateCreated.isValid());
    EXPECT_EQ(fso.GetFileInfoDate(file, FileInfoDateModified), full.FileInfoDateModified);

    const FileInfo missing = fso.FileObjInfo(Path("web/missing.htm"));
    EXPECT_FALSE(missing.FileInfoExist);
    EXPECT_TRUE(missing.FileInfoPath.isEmpty() && missing.FileInfoName.isEmpty() && missing.FileInfoSize == 0);
}

TEST_F(MwLibFSOFiles, AbstractRecordsComeFromTheTextAlone)
{
    const FileInfoShort file = fso.FileObjInfoShort(QStringLiteral("/web/index.htm"), true);
    EXPECT_FALSE(file.FileInfoExist);
    EXPECT_EQ(file.FileInfoPath, QStringLiteral("/web/index.htm"));
    EXPECT_EQ(file.FileInfoName, QStringLiteral("index.htm"));
    EXPECT_EQ(file.FileInfoBaseName, QStringLiteral("index"));
    EXPECT_EQ(file.FileInfoExt, QStringLiteral("htm"));
    EXPECT_EQ(file.FileInfoParentDrive, QStringLiteral("/"));
    EXPECT_EQ(file.FileInfoParentFolder, QStringLiteral("/web/"));
    EXPECT_EQ(fso.FileObjInfoShort(QStringLiteral("web/index.htm"), true).FileInfoParentDrive, QString());

    const FolderInfoShort folderInfo = fso.FolderObjInfoShort(QStringLiteral("/web/pages/"), true);
    EXPECT_EQ(folderInfo.FolderInfoName, QStringLiteral("pages"));
    EXPECT_EQ(folderInfo.FolderInfoParentFolder, QStringLiteral("/web/"));
    EXPECT_EQ(folderInfo.FolderInfoCountSubFolders, -1);
    EXPECT_EQ(fso.FolderObjInfoShort(QStringLiteral("/"), true).FolderInfoParentFolder, QString());
}

TEST_F(MwLibFSOFiles, GettersRaiseForMissingItemsAndIgnoreValuesOutsideTheirEnumeration)
{
    const QString missing = Path("missing.txt");
    EXPECT_EQ(Raised([&] { fso.GetFileInfoStr(missing, FileInfoName); }), ErrorFileNotFound);
    EXPECT_EQ(Raised([&] { fso.GetFileInfoSize(missing); }), ErrorFileNotFound);
    EXPECT_EQ(Raised([&] { fso.GetFolderInfoStr(missing, FolderInfoName); }), ErrorPathNotFound);
    EXPECT_EQ(Raised([&] { fso.FolderObjInfoShort(missing, false); }), ErrorPathNotFound);
    for (const int outside : {0, 10}) {
        EXPECT_EQ(fso.GetFileInfoStr(missing, static_cast<FileInfoStr>(outside)), QString());
        EXPECT_EQ(fso.GetFolderInfoStr(missing, static_cast<FolderInfoStr>(outside)), QString());
        EXPECT_FALSE(fso.GetFileInfoDate(missing, static_cast<FileInfoDate>(outside)).isValid());
        EXPECT_EQ(fso.GetFolderInfoLng(missing, static_cast<FolderInfoLng>(outside)), 0);
        EXPECT_EQ(fso.GetDriveInfoStr(missing, static_cast<DriveInfoStr>(outside)), QString());
    }
    // The error names itself as the helper raised it.
    try {
        fso.GetFileInfoSize(missing);
        FAIL();
    } catch (const MwFSOError &error) {
        EXPECT_EQ(error.Source, QStringLiteral("GetFileInfoSize"));
        EXPECT_EQ(error.Description, QStringLiteral("Файл не найден"));
    }
}

TEST_F(MwLibFSOFiles, FolderRecordsAndDetails)
{
    const QString web = Folder("web");
    Folder("web/pages");
    Folder("web/.cache");
    File("web/a.htm", "123");
    File("web/pages/b.htm", "4567");
    const FolderInfo info = fso.FolderObjInfo(web);
    EXPECT_TRUE(info.FolderInfoExist);
    EXPECT_EQ(info.FolderInfoPath, web.chopped(1));
    EXPECT_EQ(info.FolderInfoName, QStringLiteral("web"));
    EXPECT_EQ(info.FolderInfoParentFolder, Path() + QLatin1Char('/'));
    EXPECT_EQ(info.FolderInfoAttributes, FileAttributeDirectory);
    EXPECT_EQ(info.FolderInfoCountSubFolders, 2);
    EXPECT_EQ(info.FolderInfoCountFiles, 1);
    EXPECT_EQ(fso.GetFolderInfoLng(web, FolderInfoSize), 7);
    EXPECT_EQ(fso.GetFolderInfoStr(web, FolderInfoPath), web);
    EXPECT_EQ(fso.GetFolderInfoStr(web.chopped(1), FolderInfoPath), web);
    EXPECT_EQ(fso.GetFolderInfoStr(web, FolderInfoParentFolder), Path() + QLatin1Char('/'));
    // The hidden folder has its attribute, and then no counts.
    EXPECT_EQ(fso.GetFolderInfoAttribute(Path("web/.cache")), FileAttributeDirectory | FileAttributeHidden);
    EXPECT_EQ(fso.FolderObjInfo(Path("web/.cache")).FolderInfoCountFiles, 0);

    // The root of the drive has no parent folder: no separator is doubled, and reading the parent fails.
    const FolderInfo root = fso.FolderObjInfo(QStringLiteral("/"));
    EXPECT_EQ(root.FolderInfoPath, QStringLiteral("/"));
    EXPECT_EQ(root.FolderInfoParentDrive, QStringLiteral("/"));
    EXPECT_EQ(root.FolderInfoParentFolder, QString());
    EXPECT_EQ(fso.GetFolderInfoStr(QStringLiteral("/"), FolderInfoPath), QStringLiteral("/"));
    EXPECT_EQ(Raised([&] { fso.GetFolderInfoStr(QStringLiteral("/"), FolderInfoParentFolder); }), ErrorObjectNotSet);
}

TEST_F(MwLibFSOFiles, SizesOverTwoGigabytesAreExact)
{
    constexpr qint64 size = 3LL * 1024 * 1024 * 1024 + 5;
    const QString file = File("big/sparse.bin", QByteArray());
    QFile sparse(file);
    ASSERT_TRUE(sparse.open(QIODevice::ReadWrite));
    if (!sparse.resize(size))
        GTEST_SKIP() << "the temporary folder's file system holds no sparse file of 3 GiB";
    sparse.close();
    EXPECT_EQ(fso.GetFileInfoSize(file), size);
    EXPECT_EQ(fso.FileObjInfo(file).FileInfoSize, size);
    EXPECT_EQ(fso.FileObjInfoFull(file).FileInfoSize, size);
    EXPECT_EQ(fso.GetFolderInfoLng(Path("big"), FolderInfoSize), size);
    EXPECT_EQ(fso.FolderObjInfoFull(Path("big")).FolderInfoSize, size);
}

TEST_F(MwLibFSOFiles, ListingsLeaveOutHiddenItemsAndKeepElementZeroEmpty)
{
    const QString web = Folder("web");
    File("web/a.htm");
    File("web/b.htm");
    File("web/.hidden");
    Folder("web/a/sub");
    Folder("web/b");
    Folder("web/.git/objects");

    QStringList files{QStringLiteral("stale")};
    QStringList filters{QStringLiteral("*.htm")};
    fso.GetFiles(web, files, filters);
    EXPECT_EQ(files, QStringList({QString(), QStringLiteral("a.htm"), QStringLiteral("b.htm")}));
    EXPECT_EQ(filters, QStringList({QStringLiteral("*.htm")}));

    QStringList folders;
    fso.GetFolders(web, folders);
    EXPECT_EQ(folders, QStringList({QString(), QStringLiteral("1a"), QStringLiteral("0b")}));

    fso.GetFolders(Path("web/b"), folders);
    EXPECT_EQ(folders, QStringList({QString()}));
    fso.GetFiles(Path("web/.git"), files, filters);
    EXPECT_EQ(files, QStringList({QString()}));

    QStringList untouched{QStringLiteral("kept")};
    fso.GetFiles(Path("missing"), untouched, filters);
    fso.GetFolders(Path("missing"), untouched);
    EXPECT_EQ(untouched, QStringList({QStringLiteral("kept")}));
}

TEST_F(MwLibFSOFiles, ASubfolderThatCannotBeReachedNeverCutsTheListingShort)
{
    const QString web = Folder("web");
    Folder("web/a/sub");
    Folder("web/z/sub");
    // A name that is no valid text cannot be reached again by the name the listing reads: the folder is
    // left out, and the folders after it are still listed.
    const QByteArray broken = QFile::encodeName(Path("web/")) + "m\xff\xfe";
    ASSERT_EQ(::mkdir(broken.constData(), 0755), 0);
    const QByteArray brokenSub = broken + "/sub";
    ASSERT_EQ(::mkdir(brokenSub.constData(), 0755), 0);

    QStringList folders;
    fso.GetFolders(web, folders);
    EXPECT_EQ(folders, QStringList({QString(), QStringLiteral("1a"), QStringLiteral("1z")}));
    ::rmdir(brokenSub.constData());
    ::rmdir(broken.constData());
}

TEST_F(MwLibFSOFiles, AnUnreadableSubfolderCountsAsEmpty)
{
    const QString web = Folder("web");
    Folder("web/a/sub");
    Folder("web/locked/sub");
    Folder("web/z/sub");
    unprivileged::OpenToEveryone(Path());
    QFile::setPermissions(Path("web/locked"), QFileDevice::Permissions());
    const QString listed = unprivileged::RunUnprivileged([&] {
        MwLibFSO own;
        QStringList folders;
        own.GetFolders(web, folders);
        return folders.join(QLatin1Char(','));
    });
    QFile::setPermissions(Path("web/locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(listed, QStringLiteral(",1a,0locked,1z"));
}

} // namespace
