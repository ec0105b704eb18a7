#include "tests/CaseNames.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool IsName(const std::string &name)
{
    return !name.empty() && name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") ==
                                std::string::npos;
}

// Texts a case's field may hold: nothing, white space only, control characters, a NUL, characters of no
// alphabet, a surrogate pair, bytes that are no UTF-8.
const std::string_view OddTexts[] = {"", " ", "\t\r\n", "\x01\x7f", std::string_view("a\0b", 3), "µ", "日本",
                                     "\xF0\x9F\x98\x80", "\xFF\xFE", "ъь", "___", "-"};

TEST(CaseNames, AnyTextGivesANameTheRunnerTakes)
{
    for (const std::string_view text : OddTexts) {
        EXPECT_TRUE(IsName(casenames::Words(text))) << casenames::Words(text);
        EXPECT_TRUE(IsName(casenames::Spelled(text))) << casenames::Spelled(text);
    }
}

// Data fields that differ only in punctuation, white space or line ends keep apart once spelled.
TEST(CaseNames, SpelledDataKeepsApartWhatWordsRunTogether)
{
    const std::vector<std::string_view> data = {"-3",   "+3", " 3",   "3",    "\t3", "3.",   "3,",  "\r\n",
                                                "\n",   "\r", "&H1F", "&h1f", ".",   ",",    "",    "a%vb",
                                                "a|vb", "µ",  "Ж",    "ж",    "Ё",   "'.'", "\"", "\\"};
    std::map<std::string, std::string_view> spelled;
    for (const std::string_view text : data) {
        const auto [at, added] = spelled.emplace(casenames::Spelled(text), text);
        EXPECT_TRUE(added) << '"' << text << "\" and \"" << at->second << "\" are both " << at->first;
    }
}

TEST(CaseNames, ProseKeepsItsWordsAndCyrillicReadsInLatinLetters)
{
    EXPECT_EQ(casenames::Words("another user's private file, saved by root"),
              "another_user_s_private_file_saved_by_root");
    EXPECT_EQ(casenames::Words("Ёжик в тумане"), "Yozhik_v_tumane");
    EXPECT_EQ(casenames::Words("ЩУКА и ёж"), "ShchUKA_i_yozh");
    EXPECT_EQ(casenames::Words("width -3, KOI8-R"), "width_Minus3_KOI8_R");
    EXPECT_EQ(casenames::Spelled("\r\n"), "CrLf");
    EXPECT_EQ(casenames::Spelled("-2.5"), "Minus2Dot5");
}

struct Sample {
    const char *text;
    int number;
};

TEST(CaseNames, ANameJoinsItsPiecesAndAPrintIsOneLineOfText)
{
    const Sample sample{"a \"b\"\r\nc\\", -2};
    const auto name = casenames::Named(&Sample::number, casenames::Spell(&Sample::text));
    EXPECT_EQ(name(testing::TestParamInfo<Sample>(sample, 0)), "Minus2_a_QuotebQuoteCrLfcBackslash");

    std::ostringstream printed;
    casenames::Print(&printed, sample.text, sample.number, std::make_tuple(std::string("x"), 'y', true));
    EXPECT_EQ(printed.str(), R"("a \"b\"\r\nc\\", -2, ("x", 'y', true))");
}

// Every parameterised case of the runner is named by its suite rather than numbered, and printed as text
// rather than as the bytes of its object or the address of its text, which change from build to build.
TEST(CaseNames, EveryParameterisedCaseIsNamedAndPrintedAsText)
{
    const testing::UnitTest &unit = *testing::UnitTest::GetInstance();
    std::map<std::string, std::vector<std::string>> instantiations; // "Prefix/Suite.Test" → the cases' names
    for (int s = 0; s < unit.total_test_suite_count(); ++s) {
        const testing::TestSuite &suite = *unit.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const testing::TestInfo &test = *suite.GetTestInfo(t);
            if (!test.value_param())
                continue;
            const std::string full = std::string(suite.name()) + '.' + test.name();
            const std::string printed = test.value_param();
            EXPECT_EQ(printed.find("-byte object <"), std::string::npos) << full << ": " << printed;
            EXPECT_EQ(printed.find(" pointing to "), std::string::npos) << full << ": " << printed;
            EXPECT_EQ(printed.find_first_of("\r\n"), std::string::npos) << full << ": " << printed;
            const std::string name = test.name();
            const size_t slash = name.rfind('/');
            instantiations[std::string(suite.name()) + '.' + name.substr(0, slash)].push_back(name.substr(slash + 1));
        }
    }
    ASSERT_FALSE(instantiations.empty());
    for (const auto &[test, names] : instantiations) {
        std::vector<std::string> numbers;
        for (size_t i = 0; i < names.size(); ++i)
            numbers.push_back(std::to_string(i));
        EXPECT_NE(names, numbers) << test << " numbers its cases";
    }
}

} // namespace
