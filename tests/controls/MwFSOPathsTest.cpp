#include "controls/MwFSOPaths.h"
#include "controls/MwLibFSO.h"
#include "controls/MwLibFSOShell.h"

#include "../TempFolder.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace MwFSO;

namespace {

struct TextCase {
    const char *argument;
    const char *expected;
};

TEST(MwFSOPaths, NormalizePathEndsEveryPathWithASeparatorOnce)
{
    const TextCase cases[] = {{"", ""}, {"/", "/"}, {"/dir", "/dir/"}, {"/dir/", "/dir/"}, {"a\\b", "a\\b/"}};
    for (const TextCase &c : cases) {
        QString path = QString::fromUtf8(c.argument);
        NormalizePath(path);
        EXPECT_EQ(path, QString::fromUtf8(c.expected)) << c.argument;
    }
}

TEST(MwFSOPaths, GetPathTypeClassifiesByTheText)
{
    const std::pair<const char *, ElementTypePath> cases[] = {{"", ElementTypePathComputer},
                                                              {"/", ElementTypePathDrive},
                                                              {"/dir/", ElementTypePathFolder},
                                                              {"/dir/a.txt", ElementTypePathFile},
                                                              {"/dir", ElementTypePathFile}};
    for (const auto &[path, type] : cases)
        EXPECT_EQ(GetPathType(QString::fromUtf8(path)), type) << path;
}

TEST(MwFSOPaths, GetFolderParentAlwaysShortensOrStops)
{
    MwLibFSO fso;
    const TextCase cases[] = {{"/", "/"},           {"/Temp", "/"},           {"/Temp/", "/"},
                              {"/Data/Web/", "/Data/"}, {"Temp/Sub", "Temp/"}, {"name", "name"},
                              {"", ""},             {"a\\b\\c", "a\\b\\c"}};
    for (const TextCase &c : cases)
        EXPECT_EQ(fso.GetFolderParent(QString::fromUtf8(c.argument)), QString::fromUtf8(c.expected)) << c.argument;
}

TEST(MwFSOPaths, GetFolderRootIsTheCommonLeadingFolder)
{
    MwLibFSO fso;
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"/Web/Pages/a.htm", "/Web/img/b.gif", "/Web/"},
        {"/web/pages", "/web", "/web/"},
        {"/web", "/web/pages", "/"},
        {"/Web/a", "/web/a", "/"}, // names differ by case on this host
        {"abc", "abd", ""},
    };
    for (const auto &[first, second, root] : cases)
        EXPECT_EQ(fso.GetFolderRoot(QString::fromUtf8(first), QString::fromUtf8(second)), QString::fromUtf8(root))
            << first << " " << second;
}

TEST(MwFSOPaths, FileNameRightRefusesSpecialCharacters)
{
    MwLibFSO fso;
    const std::pair<const char *, bool> cases[] = {
        {"/web/my page.htm", true}, {"", true},           {"/web/a#b", false}, {"/web/a\"b", false},
        {"/web/a'b", false},        {"/web/a\nb", false}, {"/web/a\rb", false}, {"/web/a;b", false},
        {"/web/a:b", false},        {"/web/(a)", false},
    };
    for (const auto &[path, right] : cases)
        EXPECT_EQ(fso.FileNameRight(QString::fromUtf8(path)), right) << path;
}

TEST(MwFSOPaths, FolderExistParentAsksForTheFolderAbove)
{
    TempFolder folder;
    MwLibFSO fso;
    EXPECT_FALSE(fso.FolderExistParent(QStringLiteral("/")));
    EXPECT_FALSE(fso.FolderExistParent(QString()));
    EXPECT_TRUE(fso.FolderExistParent(folder.path(QStringLiteral("new.txt"))));
    EXPECT_TRUE(fso.FolderExistParent(folder.path(QStringLiteral("new/"))));
    EXPECT_FALSE(fso.FolderExistParent(folder.path(QStringLiteral("none/new.txt"))));
}

TEST(MwFSOPaths, NearestExistingFolderClimbsToTheDriveRoot)
{
    TempFolder folder;
    MwLibFSO fso;
    QDir().mkpath(folder.path(QStringLiteral("a")));
    const QString a = folder.path(QStringLiteral("a/"));
    EXPECT_EQ(GetExistingFolder(fso, a), a);
    EXPECT_EQ(GetExistingFolder(fso, a + QStringLiteral("b/")), a);
    EXPECT_EQ(GetExistingFolder(fso, a + QStringLiteral("b/c/d/")), a);
    EXPECT_EQ(GetExistingFolder(fso, QStringLiteral("/no-such-folder-here/b/")), QStringLiteral("/"));
    EXPECT_EQ(GetExistingFolder(fso, QStringLiteral("/no-such-folder-here//b//")), QStringLiteral("/"));
    // Paths without a drive end at once, whatever their shape.
    for (const char *path : {"", "relative/b/", "name", "a//b//"})
        EXPECT_EQ(GetExistingFolder(fso, QString::fromUtf8(path)), QString()) << path;
}

TEST(MwFSOPaths, NamesOfThisHost)
{
    TempFolder folder;
    MwLibFSO fso;
    const QString file = folder.write(QStringLiteral("a.txt"), "x");
    EXPECT_EQ(fso.GetElementShortName(file), file);
    EXPECT_EQ(fso.GetElementShortName(folder.path(QStringLiteral("missing"))), QString());
    EXPECT_EQ(fso.GetElementFullName(file), file);
    EXPECT_EQ(fso.GetElementFullName(folder.path() + QLatin1Char('/')), QString());

    const QString whole = fso.GetTemparyFileName(true, true);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^rad[0-9A-F]{5}\\.tmp$")).match(whole).hasMatch()) << qPrintable(whole);
    EXPECT_EQ(fso.GetTemparyFileName(false, false).size(), 5);

    EXPECT_EQ(fso.ElementVirtualPath(ElementVirtualComputer), QStringLiteral("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"));
    EXPECT_EQ(fso.ElementVirtualPath(ElementVirtualMyDocument), QStringLiteral("::{450D8FBA-AD25-11D0-98A8-0800361B1103}"));
    EXPECT_EQ(fso.ElementVirtualPath(ElementVirtualNetwork), QString());
    EXPECT_EQ(fso.ElementVirtualPath(static_cast<ElementPathVirtual>(0)), QString());

    EXPECT_EQ(fso.ElementSpecFolder(ElementSpecPersonal),
              QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    EXPECT_EQ(fso.ElementSpecFolder(ElementSpecDesktop), fso.ElementSpecFolder(ElementSpecDesktop2));
    EXPECT_EQ(fso.ElementSpecFolder(ElementSpecProgramFiles), QString());
}

TEST(MwFSOPaths, ElementExecuteChoosesTheVerb)
{
    QList<ShellRequest> requests;
    SetShellExecuteHook([&](const ShellRequest &request) { requests.append(request); });
    MwLibFSO fso;
    fso.ElementExecute(QStringLiteral("/web/a.htm"));
    fso.ElementExecute(QStringLiteral("/web/a.htm"), QStringLiteral("-x"), 0, ElementTypeExecuteEdit);
    fso.ElementExecute(QStringLiteral("/web/a.htm"), QString(), 0, ElementTypeExecuteIndicated, QStringLiteral("print"));
    SetShellExecuteHook(nullptr);
    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].Verb, QStringLiteral("open"));
    EXPECT_EQ(requests[0].Path, QStringLiteral("/web/a.htm"));
    EXPECT_EQ(requests[0].Parameters, QString());
    EXPECT_EQ(requests[1].Verb, QStringLiteral("edit"));
    EXPECT_EQ(requests[1].Parameters, QStringLiteral("-x"));
    EXPECT_EQ(requests[2].Verb, QStringLiteral("print"));
}

TEST(MwFSOPaths, DrivesBeginWithTheRoot)
{
    MwLibFSO fso;
    QStringList drives;
    fso.GetDrives(drives);
    ASSERT_GE(drives.size(), 2);
    EXPECT_EQ(drives.at(0), QString());
    EXPECT_EQ(drives.at(1), QStringLiteral("/"));
    EXPECT_EQ(fso.GetDriveCount(), drives.size() - 1);
    for (const QString &drive : drives.mid(1)) {
        EXPECT_TRUE(drive.endsWith(QLatin1Char('/'))) << qPrintable(drive);
        EXPECT_FALSE(drive.endsWith(QLatin1String("//"))) << qPrintable(drive);
        EXPECT_EQ(GetPathType(drive), ElementTypePathDrive) << qPrintable(drive);
    }
    EXPECT_TRUE(fso.DriveExists(QStringLiteral("/")));
    EXPECT_TRUE(fso.DriveIsReady(QStringLiteral("/")));
    EXPECT_EQ(fso.GetDriveInfoType(QStringLiteral("/")), DriveTypeHard);
    EXPECT_EQ(fso.GetDriveInfoTypeStr(QStringLiteral("/")), QStringLiteral("Локальный диск"));
    EXPECT_EQ(fso.GetDriveInfoStr(QStringLiteral("/"), DriveInfoPath), QStringLiteral("/"));
    EXPECT_GT(fso.GetDriveInfoLng(QStringLiteral("/"), DriveInfoTotalSize), 0);
    const DriveInfo root = fso.DriveObjInfo(QStringLiteral("/"));
    EXPECT_TRUE(root.DriveInfoExist && root.DriveInfoIsReady);
    EXPECT_EQ(root.DriveInfoPath, QStringLiteral("/"));
    EXPECT_FALSE(root.DriveInfoFileSystem.isEmpty());
    EXPECT_GE(root.DriveInfoTotalSize, root.DriveInfoFreeSpace);

    // A drive that does not exist.
    EXPECT_FALSE(fso.DriveExists(QStringLiteral("Z:")));
    EXPECT_EQ(fso.GetDriveInfoType(QStringLiteral("Z:")), DriveTypeNothing);
    EXPECT_EQ(fso.GetDriveInfoTypeStr(QStringLiteral("Z:")), QString());
    EXPECT_FALSE(fso.DriveObjInfoShort(QStringLiteral("Z:")).DriveInfoExist);
}

} // namespace
