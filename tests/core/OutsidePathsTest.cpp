#include "app/core/mdlLibrary.h"

#include "tests/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using mdlLibrary::IsSameFile;
using mdlLibrary::OutsidePath;

namespace {

// Paths that come from outside are shown, stored and compared in one form: absolute and clean.
TEST(OutsidePaths, AreMadeAbsoluteAndClean)
{
    const QString folder = QStringLiteral("/home/u/site/");
    struct Case {
        const char *path;
        const char *expected;
    } cases[] = {
        {"page.html", "/home/u/site/page.html"},
        {"./page.html", "/home/u/site/page.html"},
        {"sub/./../page.html", "/home/u/site/page.html"},
        {"../page.html", "/home/u/page.html"},
        {"//tmp//page.html", "/tmp/page.html"},
        {"/tmp/./a/../page.html", "/tmp/page.html"},
        {"/../page.html", "/page.html"},
        {"/../../..", "/"},
        {"/tmp/sub/", "/tmp/sub"},
        {"/", "/"},
        {"a\\b.html", "/home/u/site/a\\b.html"}, // "\" is a character of the name here
        {"страница.html", "/home/u/site/страница.html"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(OutsidePath(QString::fromUtf8(c.path), folder), QString::fromUtf8(c.expected)) << c.path;
}

TEST(OutsidePaths, NameOneFileWhenTheyReachTheSameFile)
{
    TempFolder folder;
    const QString page = folder.write("site/page.html", "<p>");
    const QString other = folder.write("site/other.html", "<p>");
    ASSERT_TRUE(QFile::link(page, folder.path("link.html")));
    ASSERT_TRUE(QFile::link(folder.path("site"), folder.path("linked")));
    struct Case {
        QString path;
        QString other;
        bool same;
    } cases[] = {
        {page, page, true},
        {folder.path("link.html"), page, true},
        {folder.path("linked/page.html"), folder.path("link.html"), true},
        {other, page, false},
        {folder.path("site/PAGE.html"), page, false}, // letter case counts on this file system
        {folder.path("gone.html"), folder.path("gone.html"), true},
        {folder.path("gone.html"), folder.path("gone2.html"), false},
        {QString(), QString(), true},
        {QString(), page, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(IsSameFile(c.path, c.other), c.same) << c.path.toStdString() << " / " << c.other.toStdString();
        EXPECT_EQ(IsSameFile(c.other, c.path), c.same) << c.other.toStdString() << " / " << c.path.toStdString();
    }
}

} // namespace
