#include "app/documents/mdlFileOpen.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadStart.h"
#include "app/core/mdlLoadTypeFiles.h"
#include "app/dialogs/frmFileNew.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileLimit.h"
#include "app/documents/mdlFileRecode.h"
#include "app/documents/mdlFileWindows.h"
#include "app/documents/mdlLanguage.h"
#include "app/documents/mdlLanguageApply.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/files/SaveStream.h"
#include "platform/files/WholeFile.h"
#include "platform/text/AnsiCodePage.h"

#include <QMdiSubWindow>

#include <functional>
#include <future>
#include <optional>

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
    ActivateDocument(number, true, false);
}

// Slices of 32 KB stay in the processor's cache and are served again and again from the same memory.
constexpr qint64 SliceSize = 32 * 1024;

// The file's text as its document shows it, slice by slice: read, turned into characters and recoded
// from the file's code page to the view's. Slices keep a large file from being held whole beside the
// editor's own copy.
platform::files::FileError ReadViewText(const QString &path, int fileCode, int viewCode,
                                        platform::files::FileStamp &stamp,
                                        const std::function<void(const QString &)> &take)
{
    return platform::files::ReadSlices(
        path, SliceSize,
        [&](QByteArrayView bytes) {
            const QString text = platform::text::AnsiToString(bytes);
            take(fileCode == viewCode ? text : RecodeText(text, fileCode, viewCode, QStringLiteral("?")));
        },
        &stamp);
}

// The length in UTF-8 of the file's text as its document shows it, found by a first pass so that the
// editor makes room for all of it at once; empty when the file fails to read. Each byte value becomes one
// character of the view, so counting the values is enough: nothing is converted.
std::optional<qsizetype> ViewUtf8Length(const QString &path, int fileCode, int viewCode)
{
    namespace text = platform::text;
    using platform::files::FileError;
    using platform::files::ReadSlices;
    qsizetype length = 0;
    if (fileCode == viewCode) {
        const auto add = [&](QByteArrayView bytes) { length += text::AnsiUtf8Length(bytes); };
        return ReadSlices(path, SliceSize, add) == FileError::None ? std::optional(length) : std::nullopt;
    }
    text::ByteCounts counts{};
    const auto count = [&](QByteArrayView bytes) { text::CountBytes(bytes, counts); };
    if (ReadSlices(path, SliceSize, count) != FileError::None)
        return std::nullopt;
    for (int b = 0; b < 256; ++b) {
        if (counts[b] > 0) {
            const QString character(QChar(text::AnsiToChar(static_cast<unsigned char>(b))));
            length += counts[b] * text::Utf8Length(RecodeText(character, fileCode, viewCode, QStringLiteral("?")));
        }
    }
    return length;
}

// Why the template for a new document cannot be used. A template that is there but does not read is not
// called missing: the user is told what keeps it from being read.
QString TemplateReadFailureText(platform::files::FileError error)
{
    using platform::files::FileError;
    const QString check = QStringLiteral("\r\nПроверьте настройки шаблонов.");
    switch (error) {
    case FileError::NoPermission:
        return QStringLiteral("К сожалению, требуемый шаблон нельзя прочитать,\r\nтак как он недоступен для чтения.") +
               check;
    case FileError::Failed:
        return QStringLiteral("К сожалению, требуемый шаблон нельзя прочитать,\r\n"
                              "так как при чтении с диска произошла ошибка.") +
               check;
    default:
        return QStringLiteral("К сожалению, требуемый шаблон не найден.") + check;
    }
}

// Puts the file's text into the new document's editor and its preview copy; false when the file fails
// to read, which leaves both incomplete. The file is read and converted on a thread of its own while the
// editor takes the text in; `stamp` receives the file's stamp as it was read.
bool LoadDocumentText(const QString &path, int fileCode, int viewCode, platform::editor::Editor &editor,
                      const QString &previewPath, platform::files::FileStamp &stamp)
{
    using platform::editor::Editor;
    using platform::files::FileError;
    using platform::files::ReadSlices;
    namespace text = platform::text;
    const std::optional<qsizetype> utf8Bytes = ViewUtf8Length(path, fileCode, viewCode);
    if (!utf8Bytes)
        return false;
    // The preview copy is only a first one: every preview writes it again, and reports a failure then.
    if (fileCode != viewCode) {
        return editor.ReadText(*utf8Bytes, [&](const Editor::SliceSink &sink) {
            platform::files::SaveStream preview(previewPath, mdlLoad::TmpFolder);
            const bool previewOpen = preview.Open() == FileError::None;
            const FileError read = ReadViewText(path, fileCode, viewCode, stamp, [&](const QString &slice) {
                const QByteArray bytes = text::StringToAnsi(slice);
                sink(bytes);
                preview.Write(bytes);
            });
            if (previewOpen && read == FileError::None)
                preview.Commit();
            return read == FileError::None;
        });
    }
    // Without recoding the bytes go to the editor with no text in between, and the preview copy is the
    // file itself, copied meanwhile.
    std::future<FileError> copy = std::async(std::launch::async, platform::files::CopyWhole, path, previewPath);
    const bool read = editor.ReadText(*utf8Bytes, [&](const Editor::SliceSink &sink) {
        return ReadSlices(path, SliceSize, sink, &stamp) == FileError::None;
    });
    copy.wait();
    return read;
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

bool RefuseTooLargeFile(const QString &path, QWidget *parent)
{
    const std::optional<qint64> size = OversizeOf(path);
    if (size)
        platform::dialogs::MsgBox(TooLargeMessage(path, *size), platform::dialogs::vbCritical,
                                  QStringLiteral("Ошибка чтения"), parent);
    return size.has_value();
}

void NewDocument(const QString &baseName, const QString &ext, const QString &languageName, const QString &text,
                 bool closeNewDialog)
{
    // The New dialog goes before the document window comes, so that the window is not made under it.
    if (closeNewDialog)
        mdlLoad::UnloadForm(forms::frmFileNew);
    const int n = AppendDocument();
    DocumentRecord &record = DocumentRecords[n];
    record.Name = baseName + QString::number(n) + u'.' + ext;
    record.FileCode = record.ViewCode = 1;
    record.ViewSpace = mdlLoad::ViewSpace;
    frmContent *window = CreateDocumentWindow(n);
    window->txtContent->SetText(text);
    mdlLanguage::SetDocumentLanguage(window->txtContent, 0, languageName, true);
    DocumentRecords[n].Language = mdlLanguage::FindLanguage(languageName);
    DocumentRecords[n].State = DocumentState::New;
    FinishDocument(n, window, baseName);
    // The preview copy of a new document starts empty, also when a template filled it. Like the first
    // copy of an opened file it is only a first one: every preview writes it again and reports a failure.
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
    if (RefuseTooLargeFile(path, forms::frmMain.get()))
        return;
    const mdlLibrary::TextRead read = mdlLibrary::TryReadText(path);
    if (!read.ok()) {
        platform::dialogs::MsgBox(TemplateReadFailureText(read.error), platform::dialogs::vbCritical,
                                  QStringLiteral("Ошибка чтения"), forms::frmMain.get());
        return;
    }
    NewDocument(baseName, ext, languageName, read.text, closeNewDialog);
}

bool OpenDocumentFile(const QString &path, const QString &fileName, int fileCode, int viewCode)
{
    const auto readError = [&] {
        platform::dialogs::MsgBox(mdlLoad::CannotOpenMessage(fileName), platform::dialogs::vbCritical,
                                  QStringLiteral("Ошибка чтения"), forms::frmMain.get());
        return false;
    };
    // A file that fails to read opens nothing: an empty document bound to the path would overwrite the
    // file at the next save.
    if (!mdlLibrary::IsTextFile(path))
        return readError();
    if (RefuseTooLargeFile(path, forms::frmMain.get()))
        return false;
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
    // The editor has the language before the text comes, so that its lexer follows the text as it is read
    // and the document's last line is coloured at once when it is shown. The menu and the tool panel follow
    // once the file is read.
    const int language = mdlLanguage::FindLanguage(GetTypeLanguage(mdlLibrary::GetFileExt(fileName)));
    mdlLanguage::SetDocumentLanguage(window->txtContent, language, QString(), false);
    platform::files::FileStamp stamp;
    if (!LoadDocumentText(path, fileCode, viewCode, *window->txtContent, PreviewCopyPath(n, fileName), stamp)) {
        UnloadDocument(n);
        DocumentRecords[n].Closed = true;
        return readError();
    }
    AddToMagazine(path);
    mdlLanguage::SetDocumentLanguage(window->txtContent, language, QString(), true);
    DocumentRecords[n].Language = language;
    DocumentRecords[n].State = DocumentState::Saved;
    DocumentRecords[n].Stamp = stamp;
    FinishDocument(n, window, fileName);
    return true;
}

} // namespace mdlFile
