#include "app/core/mdlLoadLeftBackups.h"

#include "app/core/mdlLoad.h"
#include "app/documents/mdlFileSave.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/files/LeftBackups.h"

namespace mdlLoad {

namespace dialogs = platform::dialogs;
namespace files = platform::files;

namespace {

// What the user is told of one backup: the file, or that it is unknown, where its old content is, and that
// the file itself may be partial; for a known file, the question whether to put the old content back.
QString LeftBackupMessage(const files::LeftBackup &left)
{
    if (left.file.isEmpty())
        return QStringLiteral("Запись файла, имя которого неизвестно, была прервана.\r\nСам файл может быть пуст или "
                              "записан не полностью.\r\nЕго прежнее содержимое сохранено в файле\r\n") +
               left.backup +
               QStringLiteral("\r\n\r\nКопия останется на месте, и программа напомнит о ней при следующем "
                              "запуске. Когда она станет не нужна, её можно удалить.");
    return QStringLiteral("Запись файла\r\n") + left.file +
           QStringLiteral("\r\nбыла прервана.\r\nСам файл может быть пуст или записан не полностью.\r\n"
                          "Его прежнее содержимое сохранено в файле\r\n") +
           left.backup +
           QStringLiteral("\r\n\r\nВернуть файлу прежнее содержимое? Если нет, копия останется на месте, и "
                          "программа напомнит о ней при следующем запуске.");
}

} // namespace

void ReportLeftBackups()
{
    const QString title = QStringLiteral("Прежнее содержимое файла");
    for (const files::LeftBackup &left : files::FindLeftBackups(TmpFolder)) {
        if (left.file.isEmpty()) {
            dialogs::MsgBox(LeftBackupMessage(left), dialogs::vbInformation, title, forms::frmMain.get());
            continue;
        }
        // Keeping is the default: a hasty key never writes over what the file may hold by now.
        if (dialogs::MsgBox(LeftBackupMessage(left), dialogs::vbYesNo | dialogs::vbQuestion | dialogs::vbDefaultButton2,
                            title, forms::frmMain.get()) != dialogs::vbYes)
            continue;
        if (const files::FileError error = files::PutBack(left, TmpFolder); error != files::FileError::None)
            dialogs::MsgBox(mdlFile::WriteFailureText(QStringLiteral("Прежнее содержимое нельзя вернуть в файл ") +
                                                          left.file + u',',
                                                      mdlFile::SaveResult::Failure(error, left.backup), left.file),
                            dialogs::vbCritical, QStringLiteral("Ошибка записи"), forms::frmMain.get());
    }
}

} // namespace mdlLoad
