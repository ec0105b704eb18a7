#include "app/documents/mdlFileOpen.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadTypeFiles.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileRecode.h"
#include "app/documents/mdlFileWindows.h"
#include "app/documents/mdlLanguage.h"
#include "app/documents/mdlLanguageApply.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"

#include <QMdiSubWindow>

namespace mdlFile {
namespace {

// Appends a document, makes its window and shows it; the record is filled by the caller first.
frmContent *CreateDocumentWindow(int number)
{
    auto *window = new frmContent(number);
    Documents[number] = window;
    window->ShowWindow();
    window->subWindow->setWindowTitle(DocumentRecords[number].Name);
    return window;
}

// The common end of every new or opened document: its items in the main window, its preview copy and
// its activation.
void FinishDocument(int number, frmContent *window, const QString &previewBase)
{
    DocumentRecord &record = DocumentRecords[number];
    if (!mdlLoad::ViewSpaceReg)
        record.ViewSpace = mdlLanguage::LangHeader[record.Language].SpaceTabView;
    window->ViewSpaceChange(record.ViewSpace);
    RefreshWindowMenu();
    window->filetmp_path = PreviewCopyPath(number, previewBase);
    mdlLibrary::FileWriteText(window->filetmp_path, window->txtContent->Text());
    ActivateDocument(number, true, false);
}

} // namespace

QString GetTypeLanguage(const QString &ext)
{
    const QString wanted = ext.toLower();
    for (const mdlLoad::TypeFile &type : mdlLoad::TypeFiles)
        for (const QString &extension : type.Extensions)
            if (extension.toLower() == wanted)
                return type.Language;
    for (const mdlLoad::TypeFile &type : mdlLoad::TypeFiles)
        if (type.Extensions.count() == 1 && type.Extensions[1] == u"*")
            return type.Language;
    return {};
}

QString PreviewCopyPath(int number, const QString &base)
{
    return mdlLoad::TmpFolder + u'~' + QString::number(number) + u'~' + base + QStringLiteral(".html");
}

void NewDocument(const QString &baseName, const QString &ext, const QString &languageName, const QString &text,
                 bool closeNewDialog)
{
    Q_UNUSED(closeNewDialog); // the New dialog, which it would close, comes with the dialogs
    const int n = AppendDocument();
    DocumentRecord &record = DocumentRecords[n];
    record.Name = baseName + QString::number(n) + u'.' + ext;
    record.FileCode = record.ViewCode = 1;
    record.ViewSpace = mdlLoad::ViewSpace;
    frmContent *window = CreateDocumentWindow(n);
    window->txtContent->SetText(text);
    mdlLanguage::SetDocumentLanguage(window->txtContent, 0, languageName, true);
    DocumentRecords[n].Language = mdlLanguage::FindLanguage(languageName);
    DocumentRecords[n].State = 0;
    // The preview copy of a new document starts empty, also when a template filled it.
    FinishDocument(n, window, baseName);
    mdlLibrary::FileWriteText(window->filetmp_path, QString());
}

void NewDocumentEmpty(const QString &baseName, const QString &ext, const QString &languageName,
                      bool closeNewDialog)
{
    NewDocument(baseName, ext, languageName, QString(), closeNewDialog);
}

void NewDocumentFromPattern(const QString &baseName, const QString &ext, const QString &languageName,
                            const QString &templateFile, bool closeNewDialog)
{
    const QString path = mdlLoad::PatternFolder + templateFile;
    const std::optional<QString> text = mdlLibrary::IsTextFile(path) ? mdlLibrary::TryReadText(path) : std::nullopt;
    if (!text) {
        platform::dialogs::MsgBox(
            QStringLiteral("К сожалению, требуемый шаблон не найден.\r\nПроверьте настройки шаблонов."),
            platform::dialogs::vbCritical, QStringLiteral("Ошибка чтения"), forms::frmMain.get());
        return;
    }
    NewDocument(baseName, ext, languageName, *text, closeNewDialog);
}

bool OpenDocumentFile(const QString &path, const QString &fileName, int fileCode, int viewCode)
{
    // A file that fails to read opens nothing: an empty document bound to the path would overwrite the
    // file at the next save.
    const std::optional<QString> content = mdlLibrary::TryReadText(path);
    if (!content) {
        platform::dialogs::MsgBox(mdlLoad::CannotOpenMessage(fileName),
                                  platform::dialogs::vbCritical, QStringLiteral("Ошибка чтения"),
                                  forms::frmMain.get());
        return false;
    }
    AddToMagazine(path);
    const int pages = mdlLoad::Codes.count();
    if (fileCode == 0 || fileCode > pages)
        fileCode = 1;
    if (viewCode == 0 || viewCode > pages)
        viewCode = 1;

    const int n = AppendDocument();
    DocumentRecord &record = DocumentRecords[n];
    record.Name = fileName;
    record.Path = path;
    record.FileCode = fileCode;
    record.ViewCode = viewCode;
    record.ViewSpace = mdlLoad::ViewSpace;
    frmContent *window = CreateDocumentWindow(n);
    window->txtContent->SetText(fileCode == 1 && viewCode == 1 ? *content
                                                               : RecodeText(*content, fileCode, viewCode, "?"));
    const int language = mdlLanguage::FindLanguage(GetTypeLanguage(mdlLibrary::GetFileExt(fileName)));
    mdlLanguage::SetDocumentLanguage(window->txtContent, language, QString(), true);
    DocumentRecords[n].Language = language;
    DocumentRecords[n].State = 2;
    FinishDocument(n, window, fileName);
    return true;
}

} // namespace mdlFile
