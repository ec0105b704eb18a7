#include "app/documents/mdlFileSave.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileRecode.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"

namespace mdlFile {

bool WriteDocumentFile(int number)
{
    DocumentRecord &record = DocumentRecords[number];
    const int code = mdlLoad::SaveCode == 1 ? record.FileCode : mdlLoad::SaveCode == 2 ? record.ViewCode : 1;
    const QString text = RecodeText(Documents[number]->txtContent->Text(), record.ViewCode, code, QStringLiteral("?"));
    if (!mdlLibrary::FileWriteText(record.Path, text))
        return false;
    record.State = 2;
    return true;
}

void ReportWriteError()
{
    platform::dialogs::MsgBox(QStringLiteral("Файл нельзя записать,\r\nтак как он недоступен для записи."),
                              platform::dialogs::vbCritical, QStringLiteral("Ошибка записи"), forms::frmMain.get());
}

} // namespace mdlFile
