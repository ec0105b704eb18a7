#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"

#include "tests/TempFolder.h"

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

class Settings : public testing::Test {
protected:
    void SetUp() override
    {
        using platform::forms::TwipsPerPixel;
        Screen = ScreenMetrics{1280 * TwipsPerPixel, 1024 * TwipsPerPixel, 1200 * TwipsPerPixel, 900 * TwipsPerPixel};
    }

    // Reads a setting.ini of `text` and repairs it.
    void Load(const QByteArray &text)
    {
        LoadSettings(folder.write("setting.ini", text));
        ValidateSettings();
    }

    TempFolder folder;
};

TEST_F(Settings, MissingFileGivesTheDefaults)
{
    LoadSettings(folder.path("setting.ini"));
    ValidateSettings();
    EXPECT_TRUE(FileCreat);
    EXPECT_EQ(NewFile, 1);
    EXPECT_EQ(TypeviewOpen, "list");
    EXPECT_EQ(MaxMagazine, 10);
    EXPECT_EQ(ColorPink, "#ffffff");
    EXPECT_EQ(SaveCode, 2);
    EXPECT_EQ(FilenameMax, "30");
    EXPECT_EQ(MagazineName, 150 * 15);
    EXPECT_TRUE(FormMaxsize);
    EXPECT_EQ(FormWidth, 1280 * 15);
    EXPECT_EQ(FilenewLeft, (1280 * 15 - 6750) / 2);
    EXPECT_EQ(TesterWidth, 8750);
    EXPECT_EQ(TesterTop, (1024 * 15 - 5000) / 2 - 500);
    EXPECT_TRUE(Magazine.isEmpty());
}

struct RepairCase {
    const char *line; // inside its section
    const char *section;
    std::function<bool()> holds;
    const char *what;
};

TEST_F(Settings, RepairClampsEveryValueIntoItsRange)
{
    const std::vector<RepairCase> cases = {
        {"max_magazine=250", "setting_common", [] { return MaxMagazine == 100; }, "max 100"},
        {"max_magazine=-1", "setting_common", [] { return MaxMagazine == 0; }, "min 0"},
        {"typeview_open=List", "setting_common", [] { return TypeviewOpen == "list"; }, "exact view names"},
        {"typeview_open=detals", "setting_common", [] { return TypeviewOpen == "detals"; }, "detals stays"},
        {"save_code=0", "setting_edit", [] { return SaveCode == 2; }, "save_code 0"},
        {"save_code=4", "setting_edit", [] { return SaveCode == 2; }, "save_code 4"},
        {"save_code=3", "setting_edit", [] { return SaveCode == 3; }, "save_code 3"},
        {"filename_max=200", "setting_edit", [] { return FilenameMax == "100"; }, "filename_max high"},
        {"filename_max=3", "setting_edit", [] { return FilenameMax == "5"; }, "filename_max low"},
        {"filename_max=12.5", "setting_edit", [] { return FilenameMax == "12"; }, "halves to even"},
        {"filename_max= 07 ", "setting_edit", [] { return FilenameMax == "7"; }, "decimal text"},
        {"color_pink=#GGHHII", "setting_edit", [] { return ColorPink == "#ffffff"; }, "bad colour"},
        {"color_pink=#A0B1C2", "setting_edit", [] { return ColorPink == "#A0B1C2"; }, "good colour"},
        {"code_maxlen=10", "setting_edit", [] { return CodeMaxlen == 3000; }, "code_maxlen low"},
        {"code_maxlen=200000", "setting_edit", [] { return CodeMaxlen == 100000; }, "code_maxlen high"},
        {"new_file=-4", "start_program", [] { return NewFile == 0; }, "new_file"},
        {"save_dialog=2", "position", [] { return SaveDialog == 1; }, "save_dialog"},
        {"open_dialog=2", "position", [] { return OpenDialog == 2; }, "open_dialog"},
        {"panel_servis=5", "position", [] { return PanelServis == 1; }, "panel_servis"},
        {"magazine_name=900", "position", [] { return MagazineName == 500 * 15; }, "column width"},
        {"filter_main=-2", "position", [] { return FilterMain == "0"; }, "negative position"},
        {"servise_width=10", "position", [] { return ServiseWidth == 2250; }, "panel width low"},
        {"servise_width=5000", "position", [] { return ServiseWidth == 1200 * 15 - 2250; }, "panel width high"},
        {"servise_height=1", "position", [] { return ServiseHeight == 700; }, "split low"},
        {"fileopen_left=-5", "position", [] { return FileopenLeft == 0; }, "dialog left"},
        {" form_left = 10 ", "position", [] { return FormLeft == 150; }, "spaces round key and value"},
    };
    for (const RepairCase &c : cases) {
        Load(QByteArray("[") + c.section + "]\r\n" + c.line + "\r\n");
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

TEST_F(Settings, AWindowPlacedPastItsOwnWidthIsMaximised)
{
    Load("[position]\r\nform_maxsize=False\r\nform_left=2000\r\nform_width=1000\r\n");
    EXPECT_EQ(FormLeft, 0);
    EXPECT_EQ(FormWidth, 1280 * 15);
    EXPECT_TRUE(FormMaxsize);
}

TEST_F(Settings, UnknownSectionsKeysAndMalformedLinesAreIgnored)
{
    Load("max_magazine=5\n"            // before any section
         "[Position]\nnew_dialog=2\n"  // section names are exact
         "[setting_common]\n"
         "=7\n"
         "no equals sign\n"
         "Max_Magazine=6\n"
         "unknown=1\n"
         "max_magazine=abc\n"          // does not convert: the line is skipped
         "print_setup=maybe\n"
         "[ setting_edit ]\nsave_code=3\n"); // the spaces are part of the name
    EXPECT_EQ(MaxMagazine, 10);
    EXPECT_EQ(NewDialog, 1);
    EXPECT_TRUE(PrintSetup);
    EXPECT_EQ(SaveCode, 2);
}

TEST_F(Settings, LaterKeysWinAndEveryLineEndIsALineEnd)
{
    Load("[setting_common]\rmax_magazine=3\nmax_magazine=4\r\npath_open=/srv/www/\r\n");
    EXPECT_EQ(MaxMagazine, 4);
    EXPECT_EQ(PathOpen, "/srv/www/");
}

TEST_F(Settings, RecentFilesKeepTheNewestWhenWrittenAndReadBackInOrder)
{
    QByteArray text = "[setting_common]\r\nmax_magazine=10\r\n[open_file]\r\n";
    for (int i = 1; i <= 12; ++i)
        text += "file=/home/u/docs/page" + QByteArray::number(i) + ".html\r\n";
    Load(text);
    ASSERT_EQ(Magazine.count(), 12);
    EXPECT_EQ(Magazine[1].First, "page1.html");
    EXPECT_EQ(Magazine[1].Second, "/home/u/docs/");

    ASSERT_TRUE(SaveSettingIni(folder.path("setting.ini")));
    Load(folder.read("setting.ini"));
    ASSERT_EQ(Magazine.count(), 10);
    EXPECT_EQ(Magazine[1].First, "page3.html");
    EXPECT_EQ(Magazine[10].First, "page12.html");
}

// A recent file stored as written by an older run ("//tmp/a.html" for "/tmp/a.html") is read in its clean
// form, so that opening or saving the file moves its entry instead of adding a second one.
TEST_F(Settings, RecentFilesAreReadAsCleanPaths)
{
    Load("[open_file]\r\nfile=//tmp//a.html\r\nfile=/home/u/./docs/../b.html\r\n");
    ASSERT_EQ(Magazine.count(), 2);
    EXPECT_EQ(Magazine[1], (StringPair{"a.html", "/tmp/"}));
    EXPECT_EQ(Magazine[2], (StringPair{"b.html", "/home/u/"}));
}

TEST_F(Settings, WrittenWholeAndReadBackEqual)
{
    Load("[start_program]\r\ndialog_new=True\r\nnew_file=3\r\n"
         "[setting_common]\r\npath_open=/home/u/сайт/\r\nmagazine_clear_start=False\r\n"
         "[setting_edit]\r\ncolor_pink=#A0B1C2\r\n"
         "[position]\r\nform_maxsize=False\r\nform_left=33\r\nform_top=44\r\nform_width=900\r\n"
         "form_height=700\r\nservise_width=300\r\n[open_file]\r\nfile=/tmp/a.html\r\n");
    const QString first = SettingIniText();
    EXPECT_TRUE(first.startsWith("[open_file]\r\nfile=/tmp/a.html\r\n\r\n[start_program]\r\nfile_creat=True\r\n"));
    EXPECT_FALSE(first.endsWith("\n"));
    EXPECT_TRUE(first.contains("\r\ncolor_pink=#a0b1c2\r\n"));
    EXPECT_TRUE(first.contains("\r\n[position]\r\nnew_dialog=1\r\n"));
    EXPECT_TRUE(first.contains("\r\nform_left=33\r\n"));
    EXPECT_TRUE(first.contains("\r\npath_open=/home/u/сайт/\r\n"));

    ASSERT_TRUE(SaveSettingIni(folder.path("setting.ini")));
    Load(folder.read("setting.ini"));
    EXPECT_EQ(SettingIniText(), first);
    EXPECT_TRUE(DialogNew);
    EXPECT_EQ(FormTop, 44 * 15);
}

TEST_F(Settings, AnEmptyRecentListIsTheHeaderAlone)
{
    Load("[setting_common]\r\nmagazine_clear_start=True\r\n[open_file]\r\nfile=/tmp/a.html\r\n");
    EXPECT_TRUE(Magazine.isEmpty());
    EXPECT_TRUE(SettingIniText().startsWith("[open_file]\r\n\r\n[start_program]"));
}

TEST_F(Settings, UserIniCountsTheStart)
{
    struct Case {
        const char *text;
        int count;
    };
    for (const Case &c : {Case{"start_count=100001", 1}, Case{"start_count=-3", 1}, Case{"start_count=19", 20},
                          Case{" start_count = 5 \r\nviewform=False\r\nupdated=True", 6}}) {
        LoadUserIni(folder.write("user.ini", c.text));
        EXPECT_EQ(StartCount, c.count) << c.text;
    }
    EXPECT_FALSE(Viewform);
    EXPECT_TRUE(Updated);
    EXPECT_EQ(UserIniText(), "start_count=6\r\nupdated=True\r\nviewform=False");

    LoadUserIni(folder.path("none.ini"));
    EXPECT_EQ(StartCount, 1);
    EXPECT_TRUE(Viewform);
}

} // namespace
