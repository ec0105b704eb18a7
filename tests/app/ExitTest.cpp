#include "app/core/mdlExit.h"
#include "app/core/mdlLoad.h"
#include "platform/dialogs/MessageBox.h"
#include "tests/FileSizeLimit.h"
#include "tests/LoadedProgram.h"
#include "tests/UnprivilegedUser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace dialogs = platform::dialogs;

namespace {

using Exit = LoadedProgram;

constexpr QFileDevice::Permissions ReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions Searchable = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

// Settings that cannot be written at exit are lost: the user is told which and why, and the exit goes on.
TEST_F(Exit, SettingFilesThatCannotBeWrittenAreReportedWithTheirReason)
{
    struct Case {
        const char *name;
        // Lays the failure out; the exit runs while the returned guard lives.
        std::function<std::function<void()>(const TempFolder &)> prepare;
        // Each failed file with the second line of its message.
        QList<std::pair<const char *, const char *>> reported;
        bool userIniWritten;
    } cases[] = {
        {"the program folder and setting.ini may be read by everyone and written by nobody",
         [](const TempFolder &folder) {
             folder.write("setting.ini", "");
             QFile::setPermissions(folder.path("setting.ini"), ReadOnly);
             QFile::setPermissions(folder.path(), ReadOnly | Searchable);
             return [&folder] {
                 {
                     const UnprivilegedUser nobody;
                     ASSERT_TRUE(nobody.ok());
                     mdlExit::ExitProgram();
                 }
                 QFile::setPermissions(folder.path(), QFileDevice::WriteOwner | ReadOnly | Searchable);
             };
         },
         {{"setting.ini", "так как он недоступен для записи."}, {"user.ini", "так как он недоступен для записи."}},
         false},
        {"a folder stands where setting.ini belongs",
         [](const TempFolder &folder) {
             QFile::remove(folder.path("setting.ini"));
             QDir().mkpath(folder.path("setting.ini"));
             return [] { mdlExit::ExitProgram(); };
         },
         {{"setting.ini", "так как под этим именем находится папка или устройство, а не файл."}},
         true},
        {"setting.ini outgrows what the process may write, user.ini does not",
         [](const TempFolder &) {
             return [] {
                 const FileSizeLimit limit(200);
                 mdlExit::ExitProgram();
             };
         },
         {{"setting.ini", "так как превышен допустимый размер файла."}},
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        QFile::remove(folder.path("user.ini"));
        c.prepare(folder)();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        EXPECT_FALSE(forms::frmMain.isLoaded()) << "the exit went on";
        ASSERT_EQ(boxes.size(), c.reported.size());
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            const QString path = folder.path(c.reported[i].first);
            EXPECT_EQ(boxes[i].prompt, "Невозможно записать файл " + path + ",\r\n" + c.reported[i].second);
            EXPECT_EQ(boxes[i].title, "Ошибка записи");
            EXPECT_EQ(boxes[i].buttons, dialogs::vbCritical);
        }
        EXPECT_EQ(QFile::exists(folder.path("user.ini")), c.userIniWritten) << "what can be written is written";
        QDir(folder.path("setting.ini")).removeRecursively();
        start();
    }
}

} // namespace
