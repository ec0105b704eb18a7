#include "app/documents/mdlFileSave.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileRecode.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/files/SaveStream.h"

namespace mdlFile {

namespace dialogs = platform::dialogs;
using platform::files::FileError;
using platform::files::FileStamp;
using platform::files::SaveStream;
using platform::files::SaveWay;

namespace {

// Yes and No, No the default: nothing is lost by a hasty Enter.
constexpr int YesNoQuestion = dialogs::vbYesNo | dialogs::vbQuestion | dialogs::vbDefaultButton2;

bool AskToOverwriteChange(const QString &path, QWidget *owner)
{
    return dialogs::MsgBox(QStringLiteral("Файл ") + path +
                               QStringLiteral(" был изменен другой программой.\r\n"
                                              "Если его записать, эти изменения будут потеряны.\r\nЗаписать файл?"),
                           YesNoQuestion, QStringLiteral("Предупреждение"), owner) == dialogs::vbYes;
}

// A character as the question shows it: one that cannot be seen (a space, a control character, a soft
// hyphen) by its code.
QString Shown(QChar c)
{
    if (c.isPrint() && !c.isSpace() && c.category() != QChar::Other_Format)
        return QString(c);
    return QStringLiteral("U+") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
}

} // namespace

SaveResult WriteDocumentText(int number, const QString &path, int code, bool checkChanged, QWidget *owner)
{
    // Copies, not references: a question lets other events run, and the tables may grow meanwhile.
    const DocumentRecord record = DocumentRecords[number];
    const platform::editor::Editor &editor = *Documents[number]->txtContent;
    if (checkChanged && record.Stamp.known() && path == record.Path) {
        const FileStamp now = platform::files::StampOf(path);
        if (now.known() && now != record.Stamp && !AskToOverwriteChange(path, owner))
            return SaveResult::Refused();
    }

    ByteRecoder recoder(record.ViewCode, code);
    const auto askToLose = [&] {
        return AskToLoseCharacters(recoder.Lost(), code,
                                   QStringLiteral("При записи файла ") + mdlLibrary::GetFileNameOf(path) +
                                       QStringLiteral(" они будут заменены знаком \"?\"."),
                                   QStringLiteral("Записать файл?"), owner);
    };
    SaveStream stream(path, mdlLoad::TmpFolder);
    if (const FileError error = stream.Open(); error != FileError::None)
        return SaveResult::Failure(error);
    // Written in place, the file's old bytes are given up as the writing starts: what would be lost is
    // counted, and asked about, before, once the file is known to take the new bytes. A new file beside it
    // is only taken once it is complete, so the question can wait for the count that the writing makes;
    // a write that failed is not asked about.
    bool asked = false;
    if (stream.Way() == SaveWay::InPlace && recoder.CanLose()) {
        qint64 size = 0;
        editor.ReadAnsi([&](QByteArrayView slice) {
            recoder.Count(slice);
            size += slice.size();
        });
        if (const FileError error = stream.Reserve(size); error != FileError::None)
            return SaveResult::Failure(error);
        if (recoder.Lost().count > 0 && !askToLose()) {
            stream.Cancel();
            return SaveResult::Refused();
        }
        asked = true;
    }
    editor.ReadAnsi([&](QByteArrayView slice) { stream.Write(recoder.Recode(slice)); });
    if (!asked && stream.Error() == FileError::None && recoder.Lost().count > 0 && !askToLose()) {
        stream.Cancel();
        return SaveResult::Refused();
    }
    if (const FileError error = stream.Commit(); error != FileError::None)
        return SaveResult::Failure(error, stream.BackupPath());
    return SaveResult::Done(stream.Stamp());
}

SaveResult WriteDocumentFile(int number, QWidget *owner)
{
    const QString path = DocumentRecords[number].Path;
    const int code = SaveCodePage(DocumentRecords[number]);
    const SaveResult result = WriteDocumentText(number, path, code, true, owner);
    if (result.written())
        MarkSaved(DocumentRecords[number], path, code, result.stamp);
    return result;
}

FileError WriteWorkingCopy(const platform::editor::Editor &editor, const QString &path)
{
    SaveStream stream(path, mdlLoad::TmpFolder);
    if (const FileError error = stream.Open(); error != FileError::None)
        return error;
    editor.ReadAnsi([&](QByteArrayView slice) { stream.Write(slice); });
    return stream.Commit();
}

QString WriteFailureReason(FileError error, const QString &path)
{
    switch (error) {
    case FileError::NoPermission:
        return QStringLiteral("так как он недоступен для записи.");
    case FileError::NoSpace:
        return QStringLiteral("так как на диске не хватает места.");
    case FileError::TooLarge:
        return QStringLiteral("так как превышен допустимый размер файла.");
    case FileError::NoSpaceForBackup:
        return QStringLiteral("так как в папке ") + mdlLoad::TmpFolder +
               QStringLiteral(" не хватает места для копии прежнего содержимого файла.");
    case FileError::NameTooLong:
        return QStringLiteral("так как имя файла или путь к нему слишком длинные.");
    case FileError::TooManyLinks:
        return QStringLiteral("так как на пути к нему слишком много символических ссылок или они замкнуты в круг.");
    case FileError::NoFolder:
    case FileError::Missing:
        return QStringLiteral("так как папки ") + mdlLibrary::GetFolderOf(path) + QStringLiteral(" нет.");
    case FileError::NotRegular:
        return QStringLiteral("так как под этим именем находится папка или устройство, а не файл.");
    case FileError::None:
    case FileError::Failed:
        break;
    }
    return QStringLiteral("так как при записи на диск произошла ошибка.");
}

QString WriteFailureText(const QString &firstLine, const SaveResult &result, const QString &path)
{
    QString text = firstLine + QStringLiteral("\r\n") + WriteFailureReason(result.error, path);
    if (!result.backup.isEmpty())
        text += QStringLiteral("\r\nПрежнее содержимое файла сохранено в ") + result.backup + u'.';
    return text;
}

void ReportWriteError(const SaveResult &result, const QString &path)
{
    dialogs::MsgBox(WriteFailureText(QStringLiteral("Файл нельзя записать,"), result, path), dialogs::vbCritical,
                    QStringLiteral("Ошибка записи"), forms::frmMain.get());
}

void ReportFileWriteError(FileError error, const QString &path, QWidget *owner)
{
    dialogs::MsgBox(WriteFailureText(QStringLiteral("Невозможно записать файл ") + path + u',',
                                     SaveResult::Failure(error), path),
                    dialogs::vbCritical, QStringLiteral("Ошибка записи"), owner);
}

bool AskToLoseCharacters(const LostCharacters &lost, int code, const QString &consequence, const QString &question,
                         QWidget *owner)
{
    QStringList shown;
    for (const QChar c : lost.first)
        shown << Shown(c);
    if (lost.more)
        shown << QStringLiteral("…");
    const QString page = mdlLoad::Codes.contains(code) ? mdlLoad::Codes[code].Name : QString::number(code);
    // The list and the count are kept from being broken across lines: no-break spaces join them.
    constexpr char16_t NoBreak = 0x00A0;
    const QString prompt = QStringLiteral("В кодировке ") + page + QStringLiteral(" нет символов ") +
                           shown.join(NoBreak) + QStringLiteral(" (в тексте их") + NoBreak + QString::number(lost.count) +
                           QStringLiteral(").\r\n") + consequence + QStringLiteral("\r\n") + question;
    return dialogs::MsgBox(prompt, YesNoQuestion, QStringLiteral("Предупреждение"), owner) == dialogs::vbYes;
}

} // namespace mdlFile
