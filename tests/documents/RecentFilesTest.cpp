#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"

#include <gtest/gtest.h>

namespace {

class RecentFiles : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = mdlLoad::MaxMagazine;
        mdlLoad::Magazine.clear();
    }
    void TearDown() override
    {
        mdlLoad::Magazine.clear();
        mdlLoad::MaxMagazine = saved_;
    }

    static QStringList paths()
    {
        QStringList list;
        for (const StringPair &entry : mdlLoad::Magazine)
            list << entry.Second + entry.First;
        return list;
    }

    static void add(const QStringList &list)
    {
        for (const QString &path : list)
            mdlFile::AddToMagazine(path);
    }

private:
    int saved_ = 0;
};

TEST_F(RecentFiles, AListedFileMovesToTheEndAndKeepsTheLength)
{
    mdlLoad::MaxMagazine = 10;
    add({"/d/a.html", "/d/b.html", "/d/c.html", "/d/a.html"});
    EXPECT_EQ(paths(), (QStringList{"/d/b.html", "/d/c.html", "/d/a.html"}));
    ASSERT_EQ(mdlLoad::Magazine.count(), 3);
    EXPECT_EQ(mdlLoad::Magazine[3].First, "a.html");
    EXPECT_EQ(mdlLoad::Magazine[3].Second, "/d/");
    add({"/d/a.html"});
    EXPECT_EQ(paths(), (QStringList{"/d/b.html", "/d/c.html", "/d/a.html"})) << "the last one stays where it is";
}

TEST_F(RecentFiles, LetterCaseMakesAnotherEntryAndShortPathsAreNeverListed)
{
    mdlLoad::MaxMagazine = 10;
    add({"/d/a.html", "/d/A.html", "/", "/d", "abc"});
    EXPECT_EQ(paths(), (QStringList{"/d/a.html", "/d/A.html"}));
}

TEST_F(RecentFiles, NewEntriesPushTheOldestOutAndMovesNeverTrim)
{
    struct Case {
        int max;
        QStringList added;
        QStringList expected;
    } cases[] = {
        {3, {"/d/1", "/d/2", "/d/3", "/d/4"}, {"/d/2", "/d/3", "/d/4"}},
        {0, {"/d/1", "/d/2"}, {}},
        {2, {"/d/1", "/d/2", "/d/1"}, {"/d/2", "/d/1"}},
    };
    for (const Case &c : cases) {
        mdlLoad::Magazine.clear();
        mdlLoad::MaxMagazine = c.max;
        add(c.added);
        EXPECT_EQ(paths(), c.expected) << c.max;
    }

    // A lowered limit shortens the list only at the next new entry or trim, not at a move.
    mdlLoad::Magazine.clear();
    mdlLoad::MaxMagazine = 5;
    add({"/d/1", "/d/2", "/d/3"});
    mdlLoad::MaxMagazine = 1;
    add({"/d/1"});
    EXPECT_EQ(paths().size(), 3);
    mdlFile::TrimMagazine();
    EXPECT_EQ(paths(), QStringList{"/d/1"});
}

} // namespace
