#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadServer.h"
#include "app/documents/mdlFilePreview.h"

#include <gtest/gtest.h>

#include <initializer_list>

using mdlLoad::Server;

namespace {

Table<StringPair> TableOf(std::initializer_list<StringPair> pairs)
{
    Table<StringPair> table;
    for (const StringPair &pair : pairs)
        table.append(pair);
    return table;
}

// The server tables and the four preview settings, put back as they were after each test.
class ServerMapping : public testing::Test {
protected:
    void SetUp() override
    {
        mdlLoad::ServerView = mdlLoad::ServerBrowser = true;
        mdlLoad::ViewTmpfile = mdlLoad::BrowserTmpfile = false;
    }
    void TearDown() override
    {
        Server = saved;
        mdlLoad::ServerView = view;
        mdlLoad::ServerBrowser = browser;
        mdlLoad::ViewTmpfile = viewTmp;
        mdlLoad::BrowserTmpfile = browserTmp;
    }

    const mdlLoad::ServerTables saved = Server;
    const bool view = mdlLoad::ServerView, browser = mdlLoad::ServerBrowser;
    const bool viewTmp = mdlLoad::ViewTmpfile, browserTmp = mdlLoad::BrowserTmpfile;
};

TEST_F(ServerMapping, EachTargetHasItsOwnSettings)
{
    mdlLoad::ViewTmpfile = true;
    mdlLoad::ServerBrowser = false;
    EXPECT_TRUE(mdlFile::IsPreviewTmp(true));
    EXPECT_FALSE(mdlFile::IsPreviewTmp(false));
    EXPECT_TRUE(mdlFile::IsServerMap(true));
    EXPECT_FALSE(mdlFile::IsServerMap(false));

    Server.PathToUrl = TableOf({{"/srv/www/", "http://h/"}});
    Server.InPath = TableOf({{"srv", "SRV"}});
    EXPECT_EQ(mdlFile::GetServerUrl("/srv/www/a.html", true), "http://h/a.html");
    EXPECT_EQ(mdlFile::GetServerUrl("/srv/www/a.html", false), "/srv/www/a.html");
    EXPECT_EQ(mdlFile::ReplaceServerText("/srv/a", true), "/SRV/a");
    EXPECT_EQ(mdlFile::ReplaceServerText("/srv/a", false), "/srv/a");
}

TEST_F(ServerMapping, AFolderMapsThePathsBelowItAtAFolderBoundaryTheFirstMatchWinning)
{
    struct Case {
        std::initializer_list<StringPair> table;
        const char *path;
        const char *address;
        const char *what;
    };
    const Case cases[] = {
        {{{"/srv/www/", "http://h/"}}, "/srv/www/a.html", "http://h/a.html", "the rest follows the prefix"},
        {{{"/srv/www/", "http://h/"}}, "/srv/www/sub/a.html", "http://h/sub/a.html", "slashes are kept"},
        {{{"/srv/www/", "http://h/"}}, "/srv/www-old/a.html", "/srv/www-old/a.html", "another folder"},
        {{{"/srv/www", "http://h"}}, "/srv/www/a.html", "http://h/a.html", "a folder without its slash"},
        {{{"/srv/www", "http://h"}}, "/srv/www2/a.html", "/srv/www2/a.html", "a longer name is another folder"},
        {{{"/srv/www", "http://h"}}, "/srv/www", "http://h", "the folder itself"},
        {{{"/srv/www/", "http://h/"}}, "/SRV/www/a.html", "/SRV/www/a.html", "letter case counts"},
        {{{"/srv/", "http://a/"}, {"/srv/www/", "http://b/"}}, "/srv/www/a.html", "http://a/www/a.html",
         "the first entry wins over a longer later one"},
        {{{"/other/", "http://a/"}, {"/srv/www/", "http://b/"}}, "/srv/www/a.html", "http://b/a.html",
         "a later entry when the first does not hold the path"},
        {{{"", "http://h"}}, "/srv/a.html", "http://h/srv/a.html", "an empty folder holds every path"},
        {{}, "/srv/www/a.html", "/srv/www/a.html", "an empty table"},
        {{{"/srv/www/", "http://h/"}}, "/srv/www/my page #1?.html", "http://h/my%20page%20%231%3F.html",
         "blanks, # and ? are escaped"},
        {{{"/srv/www/", "http://h/"}}, "/srv/www/100%.html", "http://h/100%25.html", "% is escaped"},
        {{{"/srv/www/", "http://h/"}}, "/srv/www/a\\b.html", "http://h/a%5Cb.html",
         "a backslash is part of a name, not a separator"},
        {{{"/srv/www/", "http://h/"}}, "/srv/www/дом.html", "http://h/%D0%B4%D0%BE%D0%BC.html",
         "other letters as UTF-8"},
        {{{"/srv/my site/", "http://h/~u/"}}, "/srv/my site/a b", "http://h/~u/a%20b",
         "the address prefix is used as written"},
    };
    for (const Case &c : cases) {
        Server.PathToUrl = TableOf(c.table);
        EXPECT_EQ(mdlFile::GetServerUrl(QString::fromUtf8(c.path), true), QString::fromUtf8(c.address)) << c.what;
    }
}

TEST_F(ServerMapping, WithMappingOffAPathStaysAsItIs)
{
    Server.PathToUrl = TableOf({{"/srv/", "http://h/"}});
    Server.InPath = Server.InUrl = TableOf({{"srv", "x"}});
    mdlLoad::ServerView = false;
    for (const QString path : {"/srv/a.html", "/srv/a\\b.html"})
        EXPECT_EQ(mdlFile::GetServerUrl(path, true), path);
    EXPECT_EQ(mdlFile::ReplaceServerText("/srv/a", true), "/srv/a");
    EXPECT_EQ(mdlFile::ReplaceServerText2("/srv/a", true), "/srv/a");
}

TEST_F(ServerMapping, ReplacementsApplyInTableOrderEachToThePreviousResult)
{
    const auto table = {StringPair{"a", "b"}, StringPair{"b", "c"}, StringPair{"", "never"},
                        StringPair{"C", "upper"}};
    Server.InPath = TableOf(table);
    Server.InUrl = TableOf({{"x", "y"}});
    EXPECT_EQ(mdlFile::ReplaceServerText("/a/b/", true), "/c/c/") << "an empty find text finds nothing";
    EXPECT_EQ(mdlFile::ReplaceServerText2("/a/x/", true), "/a/y/") << "each function has its own table";
    Server.InUrl = TableOf(table);
    EXPECT_EQ(mdlFile::ReplaceServerText2("http://a/", true), "http://c/");
}

TEST_F(ServerMapping, APreviewShowsTheCopyOrTheFileOrItsAddress)
{
    Server.PathToUrl = TableOf({{"/srv/www/", "http://h/"}, {"/p/tmp/", "http://tmp/"}});
    Server.InPath = TableOf({{"/p/", "/q/"}, {"/home/", "/house/"}});
    Server.InUrl = TableOf({{"http://h/", "https://h/"}});
    const QString copy = "/p/tmp/~1~a.html";
    struct Case {
        const char *document;
        bool fromTmp;
        bool map;
        mdlFile::PreviewTarget target;
        const char *what;
    };
    const Case cases[] = {
        {"/home/u/a.html", true, true, {"/q/tmp/~1~a.html", "/home/u/", false},
         "the copy: only the local-path replacements, and the links resolve in the document's folder"},
        {"/home/u/a.html", true, false, {copy, "/home/u/", false}, "the copy without mapping"},
        {"", true, true, {"/q/tmp/~1~a.html", "", false}, "a document without a file gives no base"},
        {"/srv/www/a.html", true, true, {"/q/tmp/~1~a.html", "/srv/www/", false},
         "the copy never becomes an address"},
        {"/home/u/a.html", false, true, {"/house/u/a.html", "/home/u/", false}, "the file itself"},
        {"/srv/www/s/a b.html", false, true, {"https://h/s/a%20b.html", "http://h/s/", true},
         "the file's address after the address replacements"},
        {"/srv/www/a.html", false, false, {"/srv/www/a.html", "/srv/www/", false}, "the file without mapping"},
    };
    for (const Case &c : cases) {
        mdlLoad::ServerView = c.map;
        const mdlFile::PreviewTarget target = mdlFile::ChoosePreview(copy, c.document, c.fromTmp, true);
        EXPECT_EQ(target.source, c.target.source) << c.what;
        EXPECT_EQ(target.base, c.target.base) << c.what;
        EXPECT_EQ(target.isAddress, c.target.isAddress) << c.what;
    }
}

} // namespace
