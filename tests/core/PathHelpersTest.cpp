#include "app/core/mdlLibrary.h"

#include "tests/CaseNames.h"

#include <gtest/gtest.h>

using namespace mdlLibrary;

namespace {

struct ConvertCase {
    const char *path;
    int kind, ending, prefix;
    const char *expected;
};

void PrintTo(const ConvertCase &c, std::ostream *os)
{
    casenames::Print(os, c.path, c.kind, c.ending, c.prefix);
}

class ConvertPathTest : public testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertPathTest, GivesTheDesignedForm)
{
    const ConvertCase &c = GetParam();
    int kind = c.kind;
    EXPECT_EQ(ConvertPath(QString::fromUtf8(c.path), kind, c.ending, c.prefix), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvertPathTest, testing::Values(
    ConvertCase{R"(C:\Program)", 1, 3, 2, R"(C:\Program\)"},
    ConvertCase{R"(C:\Program\)", 1, 3, 2, R"(C:\Program\)"},
    ConvertCase{R"(C:/dir/sub)", 1, 3, 2, R"(C:\dir\sub\)"},
    ConvertCase{R"(file:\\\C:\dir)", 1, 3, 2, R"(C:\dir\)"},
    ConvertCase{R"(http://host/dir)", 1, 3, 2, R"(host\dir\)"},
    ConvertCase{R"(\\server\share)", 1, 3, 2, R"(server\share\)"},
    ConvertCase{"", 1, 3, 2, ""},
    ConvertCase{R"(C:/dir/)", 1, 3, 2, R"(C:\dir\\)"},
    ConvertCase{R"(C:\dir\)", 1, 2, 1, R"(C:\dir)"},
    ConvertCase{R"(C:\dir/)", 1, 2, 1, R"(C:\dir\)"},
    ConvertCase{R"(C:\dir)", 3, 3, 2, "C:/dir/"},
    ConvertCase{R"(C:\dir)", 1, 1, 3, R"(file:\\\C:\dir)"},
    ConvertCase{R"(C:\dir)", 0, 1, 1, R"(C:\dir)"},
    // The host's kind: only "/" is a separator, a backslash is part of a name, and a path keeps its root.
    ConvertCase{"/home/a", HostSeparatorKind, 3, 2, "/home/a/"},
    ConvertCase{"/home/a/", HostSeparatorKind, 3, 2, "/home/a/"},
    ConvertCase{R"(/home/a\b)", HostSeparatorKind, 3, 2, R"(/home/a\b/)"},
    ConvertCase{"file:///home/a", HostSeparatorKind, 3, 2, "/home/a/"},
    ConvertCase{"//home/a", HostSeparatorKind, 3, 2, "/home/a/"}),
    casenames::Named(casenames::Spell(&ConvertCase::path), &ConvertCase::kind, &ConvertCase::ending, &ConvertCase::prefix));

TEST(ConvertPath, KindZeroIsWrittenBackAsOne)
{
    int kind = 0;
    ConvertPath("C:\\a", kind, 3, 2);
    EXPECT_EQ(kind, 1);
}

struct PartCase {
    const char *path;
    int part, rootKind, levels, direction, prefix;
    const char *expected;
};

void PrintTo(const PartCase &c, std::ostream *os)
{
    casenames::Print(os, c.path, c.part, c.rootKind, c.levels, c.direction, c.prefix);
}

class GetPathPartTest : public testing::TestWithParam<PartCase> {};

TEST_P(GetPathPartTest, CutsWhereDesigned)
{
    const PartCase &c = GetParam();
    EXPECT_EQ(GetPathPart(QString::fromUtf8(c.path), c.part, c.rootKind, c.levels, c.direction, c.prefix),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, GetPathPartTest, testing::Values(
    PartCase{R"(C:\dir\a.txt)", 1, 1, 0, 0, 0, R"(C:\dir\)"},
    PartCase{"a.txt", 1, 1, 0, 0, 0, "a.txt"},
    PartCase{R"(file:\\\C:\dir\a.htm)", 1, 1, 0, 0, 0, R"(C:\dir\)"},
    PartCase{R"(C:\dir\sub\)", 1, 1, 1, 2, 1, R"(C:\dir\)"},
    PartCase{R"(C:\)", 1, 1, 1, 2, 1, R"(C:\)"},
    PartCase{R"(C:\dir\sub)", 1, 1, 0, 1, 0, R"(C:\)"},
    PartCase{R"(C:\dir)", 2, 1, 0, 0, 0, R"(C:\)"},
    PartCase{"dir", 2, 2, 0, 0, 0, "dir"},
    PartCase{R"(\dir)", 2, 2, 0, 0, 0, ""},
    PartCase{R"(\\server\share\a.txt)", 1, 1, 0, 2, 1, R"(\\server\share\)"},
    PartCase{R"(C:\dir\a.txt)", 1, 1, 0, 2, 5, R"(http://C:\dir\)"},
    PartCase{"", 1, 1, 0, 0, 0, ""},
    PartCase{"/home/user/a.html", 1, 1, 0, 0, 0, "/home/user/"},
    PartCase{"/home/user/", 1, 1, 1, 2, 1, "/home/"}),
    casenames::Named(casenames::Spell(&PartCase::path), &PartCase::part, &PartCase::rootKind, &PartCase::levels,
                     &PartCase::direction, &PartCase::prefix));

struct NameCase {
    const char *input;
    const char *expected;
};

// The program's own calls, on host paths as they reach them.
TEST(PathHelpers, FolderOfAFileAndAHostFolder)
{
    for (const NameCase &c : {NameCase{"/home/user/a.html", "/home/user/"}, NameCase{"/a.html", "/"},
                              NameCase{"/home/user/", "/home/user/"}, NameCase{R"(/home/a\b.html)", "/home/"},
                              NameCase{"", ""}})
        EXPECT_EQ(GetFolderOf(c.input), QString(c.expected)) << c.input;
    for (const NameCase &c : {NameCase{"/home/user/a.html", "a.html"}, NameCase{R"(/home/a\b.html)", R"(a\b.html)"},
                              NameCase{"/home/user/", ""}, NameCase{"", ""}})
        EXPECT_EQ(GetFileNameOf(c.input), QString(c.expected)) << c.input;
    for (const NameCase &c : {NameCase{"/", "/"}, NameCase{"/home/a", "/home/a/"}, NameCase{"/home/a/", "/home/a/"},
                              NameCase{R"(/home/a\b)", R"(/home/a\b/)"}, NameCase{"file:///home/a", "/home/a/"},
                              NameCase{"//home/a", "/home/a/"}, NameCase{"", ""}})
        EXPECT_EQ(AsHostFolder(c.input), QString(c.expected)) << c.input;
}

TEST(FileNames, NameExtensionAndTitle)
{
    for (const NameCase &c : {NameCase{R"(C:\dir\a.txt)", "a.txt"}, NameCase{"C:/dir/a.txt", "a.txt"},
                              NameCase{R"(C:\dir\)", ""}, NameCase{"a.txt", "a.txt"}, NameCase{"", ""}})
        EXPECT_EQ(GetFileName(c.input), QString(c.expected)) << c.input;
    for (const NameCase &c : {NameCase{"a.txt", "txt"}, NameCase{"a.tar.gz", "gz"}, NameCase{"a", ""},
                              NameCase{"a.", ""}, NameCase{".htaccess", "htaccess"}, NameCase{"a.TXT", "TXT"}})
        EXPECT_EQ(GetFileExt(c.input), QString(c.expected)) << c.input;
    for (const NameCase &c : {NameCase{"a.txt", "a"}, NameCase{"a.b.c", "a.b"}, NameCase{"a", "a"},
                              NameCase{"a.", "a"}, NameCase{".htaccess", ""}, NameCase{"", ""}})
        EXPECT_EQ(GetFileTitle(c.input), QString(c.expected)) << c.input;
}

} // namespace
