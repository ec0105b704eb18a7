#include "app/core/mdlLoadLists.h"

#include "tests/CaseNames.h"
#include "tests/TempFolder.h"

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

struct NumberCase {
    const char *field;
    int value;
};

void PrintTo(const NumberCase &c, std::ostream *out)
{
    casenames::Print(out, c.field, c.value);
}

class ListNumberRule : public testing::TestWithParam<NumberCase> {};

TEST_P(ListNumberRule, ReadsTheLeadingNumber)
{
    EXPECT_EQ(ListNumber(QString::fromUtf8(GetParam().field)), GetParam().value) << GetParam().field;
}

INSTANTIATE_TEST_SUITE_P(Fields, ListNumberRule,
                         testing::Values(NumberCase{"12", 12}, NumberCase{" 1 2 ", 12}, NumberCase{"\t7\t", 7},
                                         NumberCase{"-3", -3}, NumberCase{"+4", 4}, NumberCase{"12abc", 12},
                                         NumberCase{"7-3", 7}, NumberCase{"abc", 0}, NumberCase{"", 0},
                                         NumberCase{"-", 0}, NumberCase{".", 0}, NumberCase{"101.5", 102},
                                         NumberCase{"102.5", 102}, NumberCase{"2.5", 2}, NumberCase{"-2.5", -2},
                                         NumberCase{".5", 0}, NumberCase{"0.51", 1}, NumberCase{"1e3", 1000},
                                         NumberCase{"1.5E1", 15}, NumberCase{"1 e 2", 100}, NumberCase{"1e", 1},
                                         NumberCase{"2e+", 2}, NumberCase{"1.2.3", 1}, NumberCase{"&H1F", 31},
                                         NumberCase{"&h1f", 31}, NumberCase{"& H 10", 16}, NumberCase{"&HFFx", 255},
                                         NumberCase{"&O17", 15}, NumberCase{"&o8", 0}, NumberCase{"&HZZ", 0},
                                         NumberCase{"&", 0}, NumberCase{"3000000000", 0},
                                         NumberCase{"-2147483648", -2147483647 - 1}, NumberCase{"1e400", 0}),
                         casenames::Named(casenames::Spell(&NumberCase::field)));

struct EscapeCase {
    const char *field;
    const char *text;
};

void PrintTo(const EscapeCase &c, std::ostream *out)
{
    casenames::Print(out, c.field, c.text);
}

class ListEscapeRule : public testing::TestWithParam<EscapeCase> {};

TEST_P(ListEscapeRule, ReplacesBarThenPercent)
{
    EXPECT_EQ(ListEscapes(QString::fromUtf8(GetParam().field)), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Fields, ListEscapeRule,
                         testing::Values(EscapeCase{"a%vb", "a|b"}, EscapeCase{"%V%P", "|%"},
                                         EscapeCase{"100%p", "100%"}, EscapeCase{"%pv", "%v"},
                                         EscapeCase{"%pV", "%V"}, EscapeCase{"%%vv", "%|v"},
                                         EscapeCase{"%x %", "%x %"}, EscapeCase{"Ж%vЯ", "Ж|Я"}),
                         casenames::Named(casenames::Spell(&EscapeCase::field)));

TEST(ListFields, CutAtTheFirstBarsAndKeepTheRestWhole)
{
    EXPECT_EQ(SplitListFields("a|b|c", 1), QStringList({"a", "b|c"}));
    EXPECT_EQ(SplitListFields("a|b|c", 2), QStringList({"a", "b", "c"}));
    EXPECT_EQ(SplitListFields(" a |\tb |", 2), QStringList({" a ", "\tb ", ""}));
    EXPECT_EQ(SplitListFields("a|b|c", 3), std::nullopt);
    EXPECT_EQ(SplitListFields("", 1), std::nullopt);
    EXPECT_EQ(SplitListFields("", 0), QStringList({""}));
}

TEST(ListSections, HeadersNeedBracketsAtBothEnds)
{
    struct Case {
        const char *line;
        bool header;
        const char *section; // after the line, starting from "old"
    };
    const Case cases[] = {
        {"[codes]", true, "codes"},  {"[Codes]", true, "Codes"}, {"[ a ]", true, " a "},
        {"[]", true, "old"},         {"[]]", true, "]"},         {"[x", false, "old"},
        {" [x]", false, "old"},      {"[x] ", false, "old"},     {"[", false, "old"},
        {"]", false, "old"},         {"x", false, "old"},        {"", false, "old"},
    };
    for (const Case &c : cases) {
        QString section = "old";
        EXPECT_EQ(ReadSectionHeader(c.line, section), c.header) << c.line;
        EXPECT_EQ(section, c.section) << c.line;
    }
}

TEST(ListLines, ReadAsWindows1251WithEveryLineEnd)
{
    TempFolder folder;
    const QString path = folder.write("list.ini", "\xC0\xC1|x\r\n\r\ntwo\rthree\nfour\r\n");
    EXPECT_EQ(ReadListLines(path), QStringList({"АБ|x", "", "two", "three", "four"}));
    EXPECT_EQ(ReadListLines(folder.write("empty.ini", "")), QStringList());
    EXPECT_EQ(ReadListLines(folder.path("missing.ini")), std::nullopt);
    EXPECT_EQ(ReadListLines(folder.path()), std::nullopt) << "a folder is no list file";
}

} // namespace
