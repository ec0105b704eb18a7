#include "app/core/mdlLoadAdvices.h"
#include "app/core/mdlLoadServer.h"
#include "app/core/mdlLoadTesters.h"

#include "tests/CaseNames.h"
#include "tests/TempFolder.h"

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

QList<StringPair> PairsOf(const Table<StringPair> &table)
{
    return QList<StringPair>(table.begin(), table.end());
}

class ServerList : public testing::Test {
protected:
    void TearDown() override { LoadServerIni(folder.path("missing.ini")); }
    void Load(const QByteArray &text) { LoadServerIni(folder.write("server.ini", text)); }
    TempFolder folder;
};

TEST_F(ServerList, PairsGoToTheTableOfTheirSection)
{
    Load("/before/|dropped\r\n"
         "[path_to_url]\r\n"
         " /home/site/ | http://localhost/ \r\n"
         "no bar\r\n"
         "[in_path]\r\n"
         "%20| %v|x\r\n"
         "[]\r\n"
         "a|b\r\n"
         "[in_url]\r\n"
         "\t/srv/|http://srv/\r\n"
         "[Path_To_Url]\r\n"
         "/capital/|dropped\r\n");
    EXPECT_EQ(PairsOf(Server.PathToUrl), (QList<StringPair>{{"/home/site/", "http://localhost/"}}));
    EXPECT_EQ(PairsOf(Server.InPath), (QList<StringPair>{{"%20", "%v|x"}, {"a", "b"}}))
        << "no escapes; a header [] keeps the section";
    EXPECT_EQ(PairsOf(Server.InUrl), (QList<StringPair>{{"/srv/", "http://srv/"}}))
        << "one leading tab is shifted away";
}

TEST_F(ServerList, CommentsStartWithASemicolonAfterOneTab)
{
    Load("[in_path]\r\n"
         ";a|b\r\n"
         "\t;c|d\r\n"
         " ;e|f\r\n"
         "\t\t;g|h\r\n"
         "\t[in_url]\r\n"
         ";[in_url]\r\n"
         "i|j\r\n");
    EXPECT_EQ(PairsOf(Server.InPath), (QList<StringPair>{{";e", "f"}, {"\t;g", "h"}, {"i", "j"}}));
    EXPECT_TRUE(Server.InUrl.isEmpty());
}

TEST_F(ServerList, ReloadAndMissingFileEmptyAllTables)
{
    Load("[path_to_url]\r\na|b\r\n[in_path]\r\nc|d\r\n[in_url]\r\ne|f\r\n");
    ASSERT_EQ(Server.PathToUrl.count() + Server.InPath.count() + Server.InUrl.count(), 3);
    Load("[in_url]\r\ng|h\r\n");
    EXPECT_TRUE(Server.PathToUrl.isEmpty());
    EXPECT_TRUE(Server.InPath.isEmpty());
    EXPECT_EQ(PairsOf(Server.InUrl), (QList<StringPair>{{"g", "h"}}));
    LoadServerIni(folder.path("missing.ini"));
    EXPECT_TRUE(Server.InUrl.isEmpty());
}

class TesterList : public testing::Test {
protected:
    void TearDown() override { TesterGroups.clear(); }
    void Load(const QByteArray &text) { LoadTesterIni(folder.write("tester.ini", text)); }
    TempFolder folder;
};

TEST_F(TesterList, PeopleJoinTheGroupsDeclaredBeforeThem)
{
    Load("[man]\r\n"
         "late|Early Bird|e@x.org|x.org\r\n"
         "[group]\r\n"
         " core | \xD0\xE0\xE7\xF0\xE0\xE1\xEE\xF2\xEA\xE0 \r\n"
         "no bar\r\n"
         "empty|Nobody here\r\n"
         "core|Again\r\n"
         "[man]\r\n"
         " core | Ann | ann@x.org | ann.x.org \r\n"
         "Core|Case|c@x.org|\r\n"
         "late|Late|l@x.org|\r\n"
         "core|Bob|bob@x.org|\r\n"
         "[group]\r\n"
         "late|Late group\r\n");
    ASSERT_EQ(TesterGroups.count(), 4);
    EXPECT_EQ(TesterGroups[1].Name, "core");
    EXPECT_EQ(TesterGroups[1].Title, "Разработка");
    ASSERT_EQ(TesterGroups[1].Men.count(), 2);
    EXPECT_EQ(TesterGroups[1].Men[1].Name, "Ann");
    EXPECT_EQ(TesterGroups[1].Men[1].Email, "ann@x.org");
    EXPECT_EQ(TesterGroups[1].Men[1].Url, "ann.x.org");
    EXPECT_EQ(TesterGroups[1].Men[2].Name, "Bob");
    EXPECT_EQ(TesterGroups[1].Men[2].Url, "") << "the web address may be empty";
    EXPECT_TRUE(TesterGroups[2].Men.isEmpty()) << "a group with no people";
    EXPECT_TRUE(TesterGroups[3].Men.isEmpty()) << "a repeated key: people join the first group";
    EXPECT_TRUE(TesterGroups[4].Men.isEmpty()) << "declared after its people";
    EXPECT_EQ(FindTesterGroup("core"), 1);
    EXPECT_EQ(FindTesterGroup("Core"), 0);
    EXPECT_EQ(FindTesterGroup("late"), 4);
}

TEST_F(TesterList, PersonLinesNeedGroupNameAndMailbox)
{
    Load("[group]\r\ng|G\r\n[man]\r\n"
         "|n|m|u\r\n"
         "g||m|u\r\n"
         "g|n||u\r\n"
         "g|n|m\r\n"
         "g| | |\r\n");
    ASSERT_EQ(TesterGroups[1].Men.count(), 1);
    EXPECT_EQ(TesterGroups[1].Men[1].Name, "");
    EXPECT_EQ(TesterGroups[1].Men[1].Email, "");
}

TEST_F(TesterList, NoGroupsGiveAnEmptyList)
{
    Load("[man]\r\ng|n|m|u\r\n");
    EXPECT_TRUE(TesterGroups.isEmpty());
    LoadTesterIni(folder.path("missing.ini"));
    EXPECT_TRUE(TesterGroups.isEmpty());
}

struct AddressCase {
    const char *email;
    const char *url;
    const char *storedEmail;
    const char *storedUrl;
};

void PrintTo(const AddressCase &c, std::ostream *out)
{
    casenames::Print(out, c.email, c.url);
}

class TesterAddresses : public TesterList, public testing::WithParamInterface<AddressCase> {};

// Only the schemes that the testers page writes back are taken off.
TEST_P(TesterAddresses, LoseOnlyTheSchemeThePageAdds)
{
    Load(QByteArray("[group]\r\ng|G\r\n[man]\r\ng|n|") + GetParam().email + "|" + GetParam().url + "\r\n");
    ASSERT_EQ(TesterGroups[1].Men.count(), 1);
    EXPECT_EQ(TesterGroups[1].Men[1].Email, GetParam().storedEmail);
    EXPECT_EQ(TesterGroups[1].Men[1].Url, GetParam().storedUrl);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TesterAddresses,
    testing::Values(AddressCase{"mailto:a@b.org", "http://a.org/", "a@b.org", "a.org/"},
                    AddressCase{"MAILTO:a@b.org", "HTTP://a.org", "a@b.org", "a.org"},
                    AddressCase{"a@b.org", "https://a.org", "a@b.org", "https://a.org"},
                    AddressCase{"mailtoa@b.org", "httpd.apache.org", "mailtoa@b.org", "httpd.apache.org"},
                    AddressCase{"mailto", "http:/a.org", "mailto", "http:/a.org"},
                    AddressCase{"mailto:", "http://", "", ""}),
    casenames::Named(&AddressCase::email, &AddressCase::url));

class TipList : public testing::Test {
protected:
    void TearDown() override { Advices.clear(); }
    void Load(const QByteArray &text) { LoadAdviceIni(folder.write("advice.ini", text)); }
    TempFolder folder;
};

TEST_F(TipList, ATitleAndItsTabbedTextLines)
{
    Load("\tbefore any title\r\n"
         "First tip  \r\n"
         "\tline one\r\n"
         "   \r\n"
         "\t\r\n"
         "\t\tindented \r\n"
         "\r\n"
         "Second\r\n"
         " Third\r\n"
         "\tx\r\n");
    EXPECT_EQ(PairsOf(Advices), (QList<StringPair>{{"First tip  ", "line one\r\n\r\n\tindented "},
                                                   {"Second", ""},
                                                   {" Third", "x"}}));
    EXPECT_EQ(Advices[0], StringPair()) << "text before the first title belongs to no tip";
}

TEST_F(TipList, AnEmptyOrMissingFileGivesNoTips)
{
    Load("");
    EXPECT_TRUE(Advices.isEmpty());
    Load("Tip\r\n\tText\r\n");
    ASSERT_EQ(Advices.count(), 1);
    LoadAdviceIni(folder.path("missing.ini"));
    EXPECT_TRUE(Advices.isEmpty());
}

} // namespace
