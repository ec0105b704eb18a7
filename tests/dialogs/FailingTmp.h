#pragma once

#include "platform/dialogs/MessageBox.h"
#include "tests/FileSizeLimit.h"
#include "tests/TempFolder.h"
#include "tests/Unprivileged.h"
#include "tests/UnprivilegedUser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <optional>

// The ways in which the working folder tmp/ of a program folder refuses a page that a window writes into
// it to be shown, each real under root too.
struct TmpFailure {
    const char *name;
    enum Way { ReadOnly, FileInItsPlace, SizeLimit } way;
    // The second line of the message; "%1" stands for tmp/ itself.
    const char *reason;
};

inline const TmpFailure TmpFailures[] = {
    {"tmp/ lets the user read only", TmpFailure::ReadOnly, "так как он недоступен для записи."},
    {"a file stands where tmp/ belongs", TmpFailure::FileInItsPlace, "так как папки %1 нет."},
    {"the page outgrows what the process may write", TmpFailure::SizeLimit,
     "так как превышен допустимый размер файла."},
};

// For its lifetime, the program folder `folder` (whose tmp/ exists) refuses what is written into tmp/ as
// `failure` says; message boxes are recorded meanwhile.
class FailingTmp {
public:
    FailingTmp(const TmpFailure &failure, const TempFolder &folder) : failure_(failure), folder_(folder)
    {
        switch (failure.way) {
        case TmpFailure::ReadOnly:
            // tmp/ and what it holds may be read by everyone and written by nobody, which binds an
            // unprivileged test user and the unprivileged user whom root becomes meanwhile.
            unprivileged::OpenToEveryone(folder.path());
            for (const QFileInfo &file : QDir(folder.path("tmp")).entryInfoList(QDir::Files))
                QFile::setPermissions(file.filePath(), ReadOnly);
            QFile::setPermissions(folder.path("tmp"), ReadOnly | Searchable);
            nobody_.emplace();
            break;
        case TmpFailure::FileInItsPlace:
            QDir(folder.path("tmp")).removeRecursively();
            folder.write("tmp", "a file where the folder belongs");
            break;
        case TmpFailure::SizeLimit:
            limit_.emplace(4);
            break;
        }
        platform::dialogs::SetMessageBoxHook([this](const platform::dialogs::MessageBoxCall &call) {
            boxes.append(call);
            return int(platform::dialogs::vbOK);
        });
    }
    ~FailingTmp() { platform::dialogs::SetMessageBoxHook(nullptr); }
    FailingTmp(const FailingTmp &) = delete;
    FailingTmp &operator=(const FailingTmp &) = delete;

    // False when root could not give up its rights for the failure that needs it.
    bool ok() const { return !nobody_ || nobody_->ok(); }

    // Expects `count` messages, each saying that `page` (a name in tmp/) could not be written, and why.
    void ExpectReported(const QString &page, qsizetype count = 1) const
    {
        ASSERT_EQ(boxes.size(), count);
        for (const platform::dialogs::MessageBoxCall &box : boxes) {
            EXPECT_EQ(box.prompt, QStringLiteral("Невозможно записать файл ") + folder_.path("tmp/" + page) +
                                      QStringLiteral(",\r\n") +
                                      QString(failure_.reason).replace("%1", folder_.path("tmp") + u'/'));
            EXPECT_EQ(box.title, "Ошибка записи");
            EXPECT_EQ(box.buttons, platform::dialogs::vbCritical);
        }
    }

    // Gives the program folder its tmp/ back, empty.
    static void Mend(const TempFolder &folder)
    {
        QFile::setPermissions(folder.path("tmp"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | Searchable);
        QFile::remove(folder.path("tmp"));
        QDir(folder.path("tmp")).removeRecursively();
        QDir().mkpath(folder.path("tmp"));
    }

    QList<platform::dialogs::MessageBoxCall> boxes;

private:
    static constexpr QFileDevice::Permissions ReadOnly =
        QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    static constexpr QFileDevice::Permissions Searchable =
        QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

    const TmpFailure &failure_;
    const TempFolder &folder_;
    std::optional<UnprivilegedUser> nobody_;
    std::optional<FileSizeLimit> limit_;
};
