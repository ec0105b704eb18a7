#include "app/core/mdlLoadButtons.h"
#include "app/core/mdlLoadTegKeys.h"

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

TEST(TegKeys, ABarsKeysNameTheButtonsOfButtonIniOnly)
{
    const struct {
        const char *tabKey;
        qint32 id;
        int place;
        const char *key;
        qint32 named;
    } cases[] = {
        {"p1", 101, 1, "p1u101", 101},  {"p12", 250, 7, "p12u250", 250}, {"p1", 13, 2, "p1m13", 0},
        {"p1", 100, 3, "p1m100", 0},    {"p1", 1, 4, "p1m1", 0},        {"p3", 0, 5, "p3s5", 0},
    };
    for (const auto &c : cases) {
        const QString key = TegButtonKey(c.tabKey, c.id, c.place);
        EXPECT_EQ(key, c.key);
        EXPECT_EQ(TegButtonId(key), c.named) << c.key;
    }
}

TEST(TegKeys, OtherKeysNameNoButton)
{
    const struct {
        const char *key;
        qint32 named;
    } cases[] = {
        {"p1u 150 ", 150}, {"p1u101x", 101}, // the number rule of the list files
        {"u101", 0},       {"pu101", 0},     // the "u" stands after the tab's key
        {"p1u", 0},        {"p1u100", 0},    {"p1u-101", 0}, {"", 0}, {"nothing", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TegButtonId(c.key), c.named) << c.key;
}

class TegClicks : public testing::Test {
protected:
    void SetUp() override
    {
        SetButtonDefault();
        Add(101, "", "<b>", "</b>");
        Add(102, "/usr/bin/viewer", "%e", "0");
        Add(103, "/usr/bin/validator", "%e", "1");
        Add(104, "/usr/bin/viewer", "%e", "2");
        Add(105, "old", "<i>", "</i>");
        Add(105, "new", "<u>", "</u>");
        Add(106, "%e", "", "0"); // "%e" is a command only as the text before the selection
    }
    void TearDown() override { Buttons = saved_; }

    static void Add(qint32 id, const char *text1, const char *text2, const char *text3)
    {
        TegButton button;
        button.Id = id;
        button.Text1 = text1;
        button.Text2 = text2;
        button.Text3 = text3;
        Buttons.append(button);
    }

private:
    const Table<TegButton> saved_ = Buttons;
};

// A click as a line of text, so that a table states it and a failure shows it.
std::string Described(const TegClick &click)
{
    const auto quoted = [](const QString &text) { return '"' + text.toStdString() + '"'; };
    switch (click.What) {
    case TegClick::Action::Start:
        return "start " + quoted(click.Target) + " with " + quoted(click.Parameters) +
               (click.Maximized ? " maximised" : "");
    case TegClick::Action::Paste:
        return "paste " + quoted(click.Before) + " " + quoted(click.Center) + " " + quoted(click.After);
    default:
        return "nothing";
    }
}

TEST_F(TegClicks, StartOrPasteByTheButtonsTextsAndTheActiveDocument)
{
    const std::optional<QString> none, unsaved = QString(), saved = QStringLiteral("/home/u/my page.html");
    const struct {
        const char *key;
        std::optional<QString> activePath;
        const char *click;
    } cases[] = {
        {"p1u101", saved, R"(paste "<b>" "" "</b>")"},
        {"p1u101", unsaved, R"(paste "<b>" "" "</b>")"},
        {"p1u101", none, "nothing"},
        {"p1u102", none, R"(start "/usr/bin/viewer" with "" maximised)"},
        {"p1u102", saved, R"(start "/usr/bin/viewer" with "" maximised)"},
        {"p1u103", saved, R"(start "/usr/bin/validator" with "/home/u/my page.html")"},
        {"p1u103", unsaved, "nothing"},
        {"p1u103", none, "nothing"},
        {"p1u104", saved, "nothing"},
        {"p1u105", saved, R"(paste "<u>" "new" "</u>")"}, // the last entry of an id
        {"p1u106", saved, R"(paste "" "%e" "0")"},
        {"p1u199", saved, R"(paste "" "" "")"}, // an id without an entry has empty texts
        {"p1m13", saved, "nothing"},
        {"p1s2", saved, "nothing"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Described(TegButtonClick(c.key, c.activePath)), c.click)
            << c.key << (c.activePath ? " with " + c.activePath->toStdString() : " without") << " a document";
}

} // namespace
