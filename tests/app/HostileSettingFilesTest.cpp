#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadTypeFiles.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "tests/LoadedProgram.h"
#include "tests/TempFolder.h"
#include "tests/TempRegistry.h"
#include "tests/UnprivilegedUser.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <memory>

namespace dialogs = platform::dialogs;

namespace {

// setting.ini and user.ini as a user's disk may hold them, met by the whole start of a first copy and by
// the exit routine in this process. Whatever they hold, the start and the exit run to their end, the
// settings come out as their defaults and repairs, and the user's other files stay as they were.
class HostileSettingFiles : public testing::Test {
protected:
    void SetUp() override
    {
        dialogs::SetDialogHook([](QDialog &) { return int(QDialog::Rejected); });
        dialogs::SetMessageBoxHook([](const dialogs::MessageBoxCall &) { return int(dialogs::vbNo); });
    }

    void TearDown() override
    {
        UnloadProgramWindows();
        dialogs::SetDialogHook(nullptr);
        dialogs::SetMessageBoxHook(nullptr);
        platform::application::SetPath(QString());
    }

    // A fresh program folder with the shipped data and files of the user's own beside the program's.
    void NewProgramFolder()
    {
        folder = std::make_unique<TempFolder>();
        TempFolder::CopyTree(QStringLiteral(VELLICOR_SOURCE_DIR "/data"), folder->path());
        platform::application::SetPath(folder->path());
        for (const char *name : UserFiles)
            folder->write(name, QByteArray("mine: ") + name);
    }

    static void Start()
    {
        forms::frmMain.get()->MDIForm_Load();
        ASSERT_TRUE(mdlLoad::ProgramLoaded) << "the start ran to its end";
    }

    static void Exit()
    {
        forms::frmMain->mnuFile_Exit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(mdlLoad::ProgramLoaded) << "the exit ran to its end";
        EXPECT_FALSE(forms::frmMain.isLoaded());
    }

    void ExpectUserFilesKept() const
    {
        for (const char *name : UserFiles)
            EXPECT_EQ(folder->read(name), QByteArray("mine: ") + name) << name;
        // A write that failed leaves no half-written file behind.
        EXPECT_EQ(QDir(folder->path()).entryList({"*.ini*"}, QDir::Files | QDir::Dirs | QDir::Hidden).size(),
                  QDir(folder->path()).entryList({"*.ini"}, QDir::Files | QDir::Dirs).size());
    }

    static constexpr const char *UserFiles[] = {"mine.txt", "tmp/keep.txt", "setting/my notes.txt"};
    std::unique_ptr<TempFolder> folder;
};

// `text` with the value of every key line of a section other than [open_file] replaced by `value`.
QByteArray EveryValue(const QString &text, const QString &value)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString &line : lines)
        if (line.contains(u'=') && !line.startsWith(QLatin1String("file=")))
            line = line.left(line.indexOf(u'=') + 1) + value;
    return lines.join(QStringLiteral("\r\n")).toUtf8();
}

QString WithValue(QString text, const QString &key, const QString &value)
{
    text.replace(QRegularExpression(QStringLiteral("(^|\\n)") + key + QStringLiteral("=[^\\r]*")),
                 QStringLiteral("\\1") + key + u'=' + value);
    return text;
}

TEST_F(HostileSettingFiles, TheStartAndTheExitSurviveWhateverTheFilesHold)
{
    // The program's own view of missing files: the defaults as started and as written at exit.
    TempRegistry registry;
    NewProgramFolder();
    Start();
    const QString started = mdlLoad::SettingIniText();
    const QString startedUser = mdlLoad::UserIniText();
    Exit();
    const QString written = QString::fromUtf8(folder->read("setting.ini"));
    ASSERT_TRUE(written.startsWith("[open_file]\r\n\r\n[start_program]\r\n"));
    ASSERT_EQ(folder->read("user.ini"), "start_count=1\r\nupdated=False\r\nviewform=True");
    UnloadProgramWindows();

    QByteArray unknown;
    for (int i = 1; i <= 10000; ++i)
        unknown += "key_" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\r\n" +
                   (i % 1000 == 0 ? "[section_" + QByteArray::number(i) + "]\r\n" : QByteArray());

    struct Case {
        const char *kind;
        std::function<void(TempFolder &)> prepare;
        // What the start made of them, and what the exit left on the disk.
        std::function<void()> afterStart;
        std::function<void(TempFolder &)> afterExit;
        bool unwritable = false;
    };
    const Case cases[] = {
        {"every key present but malformed",
         [&](TempFolder &f) {
             f.write("setting.ini", EveryValue(written, QStringLiteral("1x!")));
             f.write("user.ini", "start_count=1x!\r\nupdated=yes?\r\nviewform=maybe");
         },
         [&] {
             // Texts are taken as they stand; everything else keeps its default or is repaired.
             EXPECT_EQ(mdlLoad::SettingIniText(),
                       WithValue(WithValue(started, "path_open", "1x!"), "path_save", "1x!"));
             EXPECT_EQ(mdlLoad::UserIniText(), startedUser);
         },
         [&](TempFolder &f) {
             EXPECT_EQ(QString::fromUtf8(f.read("setting.ini")),
                       WithValue(WithValue(written, "path_open", "1x!"), "path_save", "1x!"));
         }},
        {"cut off in the middle of a line",
         [](TempFolder &f) {
             f.write("setting.ini", "[setting_common]\r\nmax_magazine=20\r\n[setting_edit]\r\nsave_code=3\r\ncode_max");
             f.write("user.ini", "start_count=41\r\nupda");
         },
         [&] {
             EXPECT_EQ(mdlLoad::SettingIniText(),
                       WithValue(WithValue(started, "max_magazine", "20"), "save_code", "3"));
             EXPECT_EQ(mdlLoad::StartCount, 42);
         },
         [&](TempFolder &f) {
             EXPECT_EQ(QString::fromUtf8(f.read("setting.ini")),
                       WithValue(WithValue(written, "max_magazine", "20"), "save_code", "3"));
             EXPECT_EQ(f.read("user.ini"), "start_count=42\r\nupdated=False\r\nviewform=True");
         }},
        {"values far out of range",
         [](TempFolder &f) {
             // No repair limits form_height: the frame starts as tall as the host lets it.
             f.write("setting.ini", "[start_program]\r\nnew_file=-2147483648\r\nadvice_now=-1e300\r\n"
                                    "[setting_common]\r\nmax_magazine=2147483647\r\ntypeview_open=" +
                                        QByteArray(5000, 'x') +
                                        "\r\n[setting_edit]\r\nsave_code=1e308\r\nfilename_max=-99999999999\r\n"
                                        "code_maxlen=2147483647\r\ncolor_pink=#1234567890\r\n"
                                        "[position]\r\nform_maxsize=False\r\nform_left=143165576\r\n"
                                        "form_width=143165576\r\nform_top=-2147483648\r\nform_height=143165576\r\n"
                                        "servise_width=-143165576\r\nmagazine_name=2147483647\r\n"
                                        "panel_servis=2147483647\r\nfilter_main=-2147483648\r\nfileopen_left=-9\r\n");
             f.write("user.ini", "start_count=2147483647\r\n");
         },
         [&] {
             using namespace mdlLoad;
             EXPECT_EQ(NewFile, 0);
             EXPECT_EQ(AdviceNow, 0);
             EXPECT_EQ(MaxMagazine, 100);
             EXPECT_EQ(TypeviewOpen, "list");
             EXPECT_EQ(SaveCode, 2);
             EXPECT_EQ(FilenameMax, "30");
             EXPECT_EQ(CodeMaxlen, 100000);
             EXPECT_EQ(ColorPink, "#ffffff");
             EXPECT_EQ(FormLeft, 0);
             EXPECT_EQ(FormWidth, Screen.ScreenWidth);
             EXPECT_TRUE(FormMaxsize);
             EXPECT_EQ(FormTop, 0);
             EXPECT_EQ(ServiseWidth, 2250);
             EXPECT_EQ(MagazineName, 150 * platform::forms::TwipsPerPixel);
             EXPECT_EQ(PanelServis, 1);
             EXPECT_EQ(FilterMain, "0");
             EXPECT_EQ(FileopenLeft, 0);
             EXPECT_EQ(StartCount, 1);
         },
         [](TempFolder &f) {
             const QString text = QString::fromUtf8(f.read("setting.ini"));
             EXPECT_TRUE(text.contains("\r\nmax_magazine=100\r\n"));
             EXPECT_TRUE(text.contains("\r\ncode_maxlen=100000\r\n"));
             EXPECT_TRUE(text.contains("\r\ntypeview_open=list\r\n"));
         }},
        {"10 000 unknown keys",
         [&](TempFolder &f) {
             f.write("setting.ini",
                     "[setting_common]\r\n" + unknown + "[setting_common]\r\nmax_magazine=15\r\n" + unknown);
             f.write("user.ini", unknown + "start_count=7\r\n" + unknown);
         },
         [&] {
             EXPECT_EQ(mdlLoad::SettingIniText(), WithValue(started, "max_magazine", "15"));
             EXPECT_EQ(mdlLoad::StartCount, 8);
         },
         [&](TempFolder &f) {
             EXPECT_EQ(QString::fromUtf8(f.read("setting.ini")), WithValue(written, "max_magazine", "15"))
                 << "the files are rebuilt whole, of the known keys";
         }},
        {"empty",
         [](TempFolder &f) {
             f.write("setting.ini", "");
             f.write("user.ini", "");
         },
         [&] {
             EXPECT_EQ(mdlLoad::SettingIniText(), started);
             EXPECT_EQ(mdlLoad::UserIniText(), startedUser);
         },
         [&](TempFolder &f) {
             EXPECT_EQ(QString::fromUtf8(f.read("setting.ini")), written);
             EXPECT_EQ(f.read("user.ini"), "start_count=1\r\nupdated=False\r\nviewform=True");
         }},
        {"a folder in their place",
         [](TempFolder &f) {
             f.write("setting.ini/mine.txt", "a file of the user's own");
             f.write("user.ini/mine.txt", "another");
         },
         [&] {
             EXPECT_EQ(mdlLoad::SettingIniText(), started);
             EXPECT_EQ(mdlLoad::UserIniText(), startedUser);
         },
         [](TempFolder &f) {
             EXPECT_TRUE(QFileInfo(f.path("setting.ini")).isDir());
             EXPECT_EQ(f.read("setting.ini/mine.txt"), "a file of the user's own");
             EXPECT_EQ(f.read("user.ini/mine.txt"), "another");
         }},
        {"unwritable at exit",
         [](TempFolder &f) {
             f.write("setting.ini", "[setting_common]\r\nmax_magazine=20\r\n");
             f.write("user.ini", "start_count=5");
         },
         [] {
             EXPECT_EQ(mdlLoad::MaxMagazine, 20);
             EXPECT_EQ(mdlLoad::StartCount, 6);
         },
         [](TempFolder &f) {
             EXPECT_EQ(f.read("setting.ini"), "[setting_common]\r\nmax_magazine=20\r\n");
             EXPECT_EQ(f.read("user.ini"), "start_count=5");
         },
         true},
    };

    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        NewProgramFolder();
        c.prepare(*folder);
        Start();
        c.afterStart();
        if (c.unwritable) {
            const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                      QFileDevice::ReadOther;
            const QFileDevice::Permissions folderReadOnly = readOnly | QFileDevice::ExeOwner |
                                                            QFileDevice::ExeGroup | QFileDevice::ExeOther;
            for (const char *name : {"setting.ini", "user.ini"})
                QFile::setPermissions(folder->path(name), readOnly);
            for (const QString &name : {QString(), QStringLiteral("tmp")})
                QFile::setPermissions(folder->path(name), folderReadOnly);
            {
                const UnprivilegedUser user;
                ASSERT_TRUE(user.ok());
                Exit();
            }
            for (const QString &name : {QString(), QStringLiteral("tmp")})
                QFile::setPermissions(folder->path(name), folderReadOnly | QFileDevice::WriteOwner);
        } else {
            Exit();
        }
        c.afterExit(*folder);
        ExpectUserFilesKept();
        UnloadProgramWindows();
    }
}

// Every list and language file a FIFO or a link to a device: the start neither waits for a writer nor
// reads without end, and takes each as missing.
TEST_F(HostileSettingFiles, ListFilesThatAreNotRegularFilesCountAsMissing)
{
    TempRegistry registry;
    NewProgramFolder();
    int replaced = 0;
    for (const QString &sub : {QStringLiteral("setting"), QStringLiteral("language")}) {
        const QDir dir(folder->path(sub));
        for (const QString &name : dir.entryList({QStringLiteral("*.ini")}, QDir::Files)) {
            const QString path = dir.filePath(name);
            ASSERT_TRUE(QFile::remove(path));
            if (++replaced % 2 == 1)
                ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0666), 0) << name.toStdString();
            else
                ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path)) << name.toStdString();
        }
    }
    for (const char *name : {"setting.ini", "user.ini"})
        ASSERT_EQ(mkfifo(QFile::encodeName(folder->path(name)).constData(), 0666), 0);
    ASSERT_GT(replaced, 10);

    Start();
    EXPECT_EQ(mdlLoad::Codes.count(), 0) << "code.ini counted as missing";
    EXPECT_EQ(mdlLoad::TypeFiles.count(), 0) << "typefile.ini counted as missing";
    Exit();
    EXPECT_FALSE(QFileInfo(folder->path("setting.ini")).isFile()) << "the FIFO is left as it was";
    ExpectUserFilesKept();
}

} // namespace

// Every picture of the program's folders a FIFO, then a link to a device: the start, the New dialog and
// the colour picker neither wait for a writer nor read without end, and show no picture in its place.
TEST_F(HostileSettingFiles, PicturesThatAreNotRegularFilesCountAsMissing)
{
    TempRegistry registry;
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "FIFOs" : "links to /dev/zero");
        NewProgramFolder();
        int replaced = 0;
        for (const QString &sub : {QStringLiteral("setting"), QStringLiteral("buttons"), QStringLiteral("icons")}) {
            const QDir dir(folder->path(sub));
            for (const QString &name : dir.entryList({"*.gif", "*.png", "*.jpg"}, QDir::Files)) {
                const QString path = dir.filePath(name);
                ASSERT_TRUE(QFile::remove(path));
                if (fifo)
                    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0666), 0) << name.toStdString();
                else
                    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path)) << name.toStdString();
                ++replaced;
            }
        }
        ASSERT_GT(replaced, 30);

        Start();
        forms::frmMain->mnuFile_New_Click();
        forms::frmMain->mnuServis_SelColor_Click();
        Exit();
        ExpectUserFilesKept();
        UnloadProgramWindows();
    }
}
