#include "app/documents/frmContent.h"

#include "app/core/mdlExit.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileCommands.h"
#include "app/documents/mdlFileRecode.h"
#include "app/documents/mdlFileSave.h"
#include "app/documents/mdlFileWindows.h"
#include "app/documents/mdlLanguageApply.h"
#include "app/mainwindow/frmMain.h"
#include "app/core/mdlLibrary.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/keys/KeyCodes.h"
#include "platform/pages/PagePane.h"
#include "platform/widgets/MdiArrangement.h"
#include "platform/widgets/MdiWindowMenu.h"
#include "platform/widgets/StatusBar.h"

#include <QAction>
#include <QDropEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <Qsci/qsciscintilla.h>

#include <cmath>

namespace {

const QString ProductTitle = QStringLiteral("Marrowin Vellicor");

using mdlFile::DocumentRecord;
using mdlFile::DocumentRecords;

} // namespace

frmContent::frmContent(int number) : tag_(number)
{
    using platform::editor::Editor;
    txtContent = new Editor(this);
    txtContent->SetFont(QFont(QStringLiteral("Courier New"), 10));
    // Installed after the editor's own filter, so the window sees every key before the editor does.
    txtContent->Control()->installEventFilter(this);
    txtContent->Control()->viewport()->installEventFilter(this);
    CreatePanel();

    connect(txtContent, &Editor::Change, this, &frmContent::txtContent_Change);
    connect(txtContent, &Editor::KeyDown, this, &frmContent::txtContent_KeyDown);
    connect(txtContent, &Editor::KeyUp, this, &frmContent::txtContent_KeyUp);
    connect(txtContent, &Editor::MouseDown, this, &frmContent::txtContent_MouseDown);
    connect(txtContent, &Editor::MouseUp, this, &frmContent::txtContent_MouseUp);
    connect(txtContent, &Editor::RClick, this, &frmContent::txtContent_RClick);

    QMdiArea *area = forms::frmMain->mdiArea;
    subWindow = area->addSubWindow(this);
    subWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    platform::widgets::UseRussianWindowMenu(subWindow);
    // Maximising and restoring change what the captions show: the frame's caption names the document once.
    connect(subWindow, &QMdiSubWindow::windowStateChanged, this, &frmContent::RefreshCaptions);
    subWindow->installEventFilter(this);
    Form_Load();
}

frmContent::~frmContent() = default;

void frmContent::Form_Load()
{
    panel_visible = true;
    ShowBrowser(false);
    if (mdlFile::CountOpenDocuments() == 1) {
        if (mdlLoad::EditMaxform) {
            subWindow->setWindowState(Qt::WindowMaximized);
        } else {
            subWindow->setWindowState(Qt::WindowNoState);
            forms::frmMain->mnuWindows_Cascade_Click();
        }
    }
}

void frmContent::ShowWindow()
{
    subWindow->show();
    // Wholly inside the frame and at a usable size, not at the editor's small natural one.
    platform::widgets::PlaceNewWindow(forms::frmMain->mdiArea, subWindow);
}

void frmContent::Unload()
{
    unloading_ = true;
    platform::widgets::RemoveWindow(forms::frmMain->mdiArea, subWindow);
    subWindow->deleteLater();
}

void frmContent::SetFocusForm()
{
    if (!mdlLoad::ProgramLoaded)
        return;
    Form_Activate();
    forms::frmMain->mdiArea->setActiveSubWindow(subWindow);
    SetFocusForm2();
}

void frmContent::SetFocusForm2()
{
    // A minimised window shows neither its editor nor its preview, so neither takes the keys.
    if (subWindow->isMinimized())
        return;
    if (browse_mode && brwIE)
        brwIE->setFocus();
    else
        txtContent->Control()->setFocus();
}

void frmContent::Form_Activate()
{
    // A document still being made has no tab or Window item yet: its making ends by activating it.
    if (!DocumentRecords.contains(tag_) || DocumentRecords[tag_].MenuIndex == 0)
        return;
    mdlFile::ActivateDocument(tag_, !subWindow->isMinimized(), false);
    Size_Exchange();
    Change_Position();
    const DocumentRecord &record = DocumentRecords[tag_];
    mdlLanguage::CheckLanguageMenu(record.Language);
    StatusBar *status = forms::frmMain->sttMain;
    const bool fullPath = mdlLoad::StatusFullpath && mdlFile::HasFile(record.State);
    status->SetPanelText(1, (fullPath ? record.Path : record.Name) + u' ');
    ShowCodePages();
    forms::frmMain->mnuView_ViewSpace->setChecked(record.ViewSpace);
    forms::frmMain->mnuView_WorkPanel->setChecked(panel_visible);
    mdlFile::RefreshDocumentCommands();
    UpdateMainCaption(true);
}

void frmContent::ShowCodePages()
{
    const DocumentRecord &record = DocumentRecords[tag_];
    const auto &codes = mdlLoad::Codes;
    if (codes.contains(record.FileCode) && codes.contains(record.ViewCode))
        forms::frmMain->sttMain->SetPanelText(
            4, codes[record.FileCode].Title + QStringLiteral(" / ") + codes[record.ViewCode].Title + u' ');
}

void frmContent::Form_Deactivate()
{
    mdlFile::ActivateDocument(tag_, false, true);
    mdlLanguage::CheckLanguageMenu(0);
    UpdateMainCaption(false);
}

void frmContent::ViewSpaceChange(bool typeSpace)
{
    DocumentRecords[tag_].ViewSpace = typeSpace;
    PanelButton(QStringLiteral("space"))->setChecked(typeSpace);
    forms::frmMain->mnuView_ViewSpace->setChecked(typeSpace);
    mdlLoad::ViewSpace = typeSpace;
    txtContent->SetDisplayWhitespace(typeSpace);
}

void frmContent::Size_Exchange()
{
    frmMain *main = forms::frmMain.get();
    if (main->SavedNoticeDocument == tag_)
        return;
    main->SavedNoticeDocument = 0;
    // Kilobytes with two decimals and a decimal comma, whatever the host's locale.
    const double kilobytes = std::nearbyint(txtContent->TextLength() / 1024.0 * 100.0) / 100.0;
    QString text = QString::number(kilobytes, 'f', 2);
    text.replace(u'.', u',');
    main->sttMain->SetPanelText(2, text + QStringLiteral(" Kb "));
}

void frmContent::ShowSaved(const QString &message)
{
    frmMain *main = forms::frmMain.get();
    main->sttMain->SetPanelText(2, message);
    main->SavedNoticeDocument = tag_;
    if (main->ActiveFileIndex == tag_)
        ShowCodePages();
}

void frmContent::Change_Position()
{
    forms::frmMain->sttMain->SetPanelText(
        3, QStringLiteral(" %1 : %2 ").arg(PositionLine() + 1).arg(PositionCol() + 1));
}

void frmContent::UpdateMainCaption(bool active)
{
    UpdateWindowCaption();
    forms::frmMain->setWindowTitle(active ? DocumentRecords[tag_].Name + QStringLiteral(" - ") + ProductTitle
                                          : ProductTitle);
}

void frmContent::UpdateWindowCaption()
{
    // A maximised window has no title bar of its own: the frame's caption names it instead. Any other
    // window, active or not, shows its name, also after the frame has restored it on a switch away.
    if (DocumentRecords.contains(tag_))
        subWindow->setWindowTitle(subWindow->isMaximized() ? QString() : DocumentRecords[tag_].Name);
}

void frmContent::RefreshCaptions()
{
    if (forms::frmMain->ActiveFileIndex == tag_)
        UpdateMainCaption(true);
    else
        UpdateWindowCaption();
}

void frmContent::ActivateNextForm(bool backward)
{
    const int n = mdlFile::Documents.count();
    int i = tag_;
    for (int step = 0; step < n; ++step) {
        i = backward ? (i <= 1 ? n : i - 1) : (i >= n ? 1 : i + 1);
        if (!DocumentRecords[i].Closed) {
            forms::frmMain->mnuWindows_File_Click(DocumentRecords[i].MenuIndex);
            return;
        }
    }
}

void frmContent::Form_QueryUnload(bool &cancel)
{
    namespace dialogs = platform::dialogs;
    txtContent->FlushChange();
    frmMain *main = forms::frmMain.get();
    main->ActiveFileIndex = tag_;
    SetFocusForm();
    mdlLoad::EditMaxform = subWindow->isMaximized();

    // A copy: the question lets other events run, and the table may grow meanwhile. Every step after it
    // names this document, whichever one has become active by then.
    const DocumentRecord record = DocumentRecords[tag_];
    // Cancel is the default.
    const int style = dialogs::vbYesNoCancel | dialogs::vbQuestion | dialogs::vbDefaultButton3;
    const QString title = QStringLiteral("Предупреждение");
    const mdlFile::CloseQuestion question = mdlFile::CloseQuestionFor(record, txtContent->TextLength() > 0);
    if (question == mdlFile::CloseQuestion::SaveNew) {
        const int answer = dialogs::MsgBox(QStringLiteral("Файл ") + record.Name +
                                               QStringLiteral(" не сохранен. \r\nВ случае закрытия документа "
                                                              "данные будут утеряны.\r\nСохранить Файл?"),
                                           style, title, main);
        if (answer == dialogs::vbCancel) {
            cancel = true;
            SetFocusForm();
            return;
        }
        // A document that never had a file is saved through the Save dialog; cancelled there, it stays.
        if (answer == dialogs::vbYes && !main->SaveDocument(tag_)) {
            cancel = true;
            return;
        }
    } else if (question == mdlFile::CloseQuestion::SaveChanges) {
        const int answer = dialogs::MsgBox(QStringLiteral("Файл ") + record.Name +
                                               QStringLiteral(" был изменен.\r\nСохранить изменения?"),
                                           style, title, main);
        if (answer == dialogs::vbCancel) {
            cancel = true;
            return;
        }
        if (answer == dialogs::vbYes) {
            const mdlFile::SaveResult result = mdlFile::WriteDocumentFile(tag_, main);
            // Refused in a question of the save (another program's change, lost characters): the document
            // stays open with its text.
            if (result.outcome == mdlFile::SaveResult::Declined) {
                cancel = true;
                return;
            }
            if (!result.written()) {
                dialogs::MsgBox(mdlFile::WriteFailureText(QStringLiteral("Невозможно записать файл ") + record.Name +
                                                              u',',
                                                          result, record.Path),
                                dialogs::vbCritical, QStringLiteral("Ошибка записи"), main);
                cancel = true;
                return;
            }
        }
    }
    cancel = false;
    ClosingSteps();
}

void frmContent::ClosingSteps()
{
    mdlFile::MarkClosed(DocumentRecords[tag_]);
    txtContent->SetText(QString());
    txtContent->ClearUndo();
    frmMain *main = forms::frmMain.get();
    main->ActiveFileIndex = 0;
    for (int panel = 1; panel <= 4; ++panel)
        main->sttMain->SetPanelText(panel, QString());
    main->SavedNoticeDocument = 0;
    main->mnuView_WorkPanel->setChecked(false);
    main->mnuView_WorkPanel->setEnabled(false);
    mdlFile::RemoveDocumentTab(tag_);
    mdlFile::RefreshDocumentCommands();
    UpdateMainCaption(false);
    // The window goes; its slot stays, marked closed, and no longer refers to it.
    mdlFile::Documents[tag_] = nullptr;
    Unload();
}

bool frmContent::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picBrowser) {
        if (event->type() == QEvent::Resize)
            picBrowser_Resize();
    } else if (watched == subWindow) {
        if (event->type() == QEvent::Close && !unloading_) {
            bool cancel = false;
            Form_QueryUnload(cancel);
            if (cancel)
                event->ignore();
            return true;
        }
    } else if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
               event->type() == QEvent::Drop) {
        // Files dropped on the document go to the frame, which opens them; dragged text stays the
        // editor's own.
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = frmMain::DroppedFiles(drop->mimeData());
        if (!files.isEmpty()) {
            drop->acceptProposedAction();
            if (event->type() == QEvent::Drop)
                forms::frmMain->MDIForm_OLEDragDrop(files);
            return true;
        }
    } else if (event->type() == QEvent::KeyPress && KeyPreview(*static_cast<QKeyEvent *>(event))) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmContent::FormKeyCommand(int &keyCode, int &shift)
{
    using namespace platform::keys;
    if (keyCode == VK_F4 && shift == AltMask)
        mdlExit::ExitProgram();
    else if (keyCode == VK_TAB && (shift == CtrlMask || shift == (CtrlMask | ShiftMask)))
        ActivateNextForm(shift & ShiftMask);
    else
        return;
    keyCode = shift = 0;
}
