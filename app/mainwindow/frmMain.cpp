#include "app/mainwindow/frmMain.h"

#include "app/core/mdlExit.h"
#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadLeftBackups.h"
#include "app/core/mdlLoadStart.h"
#include "app/core/mdlProgram.h"
#include "app/dialogs/frmAbout.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmFileSave.h"
#include "app/dialogs/MwFSOHost.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "app/documents/mdlLanguageApply.h"
#include "platform/application/Application.h"
#include "platform/dialogs/ModalScope.h"
#include "platform/forms/StoredRect.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/TabStrip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {
const QString ProductTitle = QStringLiteral("Marrowin Vellicor");
}

frmMain::frmMain()
{
    setWindowTitle(ProductTitle);
    resize(800, 600);
    setAcceptDrops(true);

    CreateBars();
    // A closed document window hands the front to the one used before it, as a desktop frame does.
    mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    mdiArea->viewport()->installEventFilter(this);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::mdiArea_SubWindowActivated);
    // The frame's area takes Ctrl+Tab for its own window switching through a filter on the application;
    // one installed after it runs first and gives the keys to the documents' switching instead.
    qApp->installEventFilter(this);
    connect(tbsFiles, &TabStrip::Click, this, &frmMain::tbsFiles_Click);
    connect(tbsFiles, &QTabBar::tabBarClicked, this, [this](int index) { tbsFiles_MouseDown(index + 1); });
    CreateMenus();
    CreateCommandBars();

    // Another copy's message is taken at once, so that the sender goes on, and carried out in turn, never
    // under a modal window. A hand-over's paths come with its message.
    hWnd = platform::windows::RegisterWindow(this, [this](unsigned message, qint32, qint32, const QStringList &data) {
        const QPointer<frmMain> frame(this);
        if (message == mdlProgram::WM_LBUTTONDBLCLK)
            platform::dialogs::RunOutsideModalScopes([frame, data] {
                if (frame)
                    frame->CarryOutHandOver(data);
            });
        else if (message == mdlProgram::WM_CLOSE)
            platform::dialogs::RunOutsideModalScopes([frame] {
                if (frame)
                    frame->close();
            });
    });
}

frmMain::~frmMain()
{
    platform::windows::UnregisterWindow(hWnd);
}

void frmMain::MDIForm_Load()
{
    // The frame takes no input while it loads: messages from other copies wait for the end, as they wait
    // for a modal window.
    const platform::dialogs::ModalScope loading;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    mdlLoad::ProgramLoaded = false;
    // Whatever step fails, the frame is left enabled and without the hourglass, so it can be closed.
    struct LoadEnd {
        frmMain *main;
        ~LoadEnd()
        {
            if (forms::frmAbout.isLoaded())
                mdlLoad::UnloadForm(forms::frmAbout);
            main->setEnabled(true);
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
        }
    } end{this};

    forms::frmAbout->ShowSplash(this);
    forms::frmAbout->SetLoadingValue(10);
    mdlLoad::InitPathsAndLoad();
    forms::frmAbout->SetLoadingValue(40);
    show();
    forms::frmAbout->SetLoadingValue(50);
    forms::frmFileOpen.get();
    forms::frmAbout->SetLoadingValue(80);
    forms::frmFileSave.get();
    forms::frmAbout->SetLoadingValue(100);
    forms::frmAbout->unsetCursor();
    mdlLoad::UnloadForm(forms::frmAbout);

    QApplication::restoreOverrideCursor();
    mdlLoad::ProgramLoaded = true;
    setEnabled(true);
    mdlLoad::LoadFileTabImages();
    tbsTegs_Click();
    activateWindow();
    // Before the command line's files: a file put back opens with its old content.
    mdlLoad::ReportLeftBackups();
    mdlLoad::OpenOnStart(platform::application::Arguments());
}

void frmMain::MDIForm_Activate()
{
    if (ActiveFileIndex > 0 && mdlFile::Documents[ActiveFileIndex])
        mdlFile::Documents[ActiveFileIndex]->SetFocusForm();
}

void frmMain::mdiArea_SubWindowActivated(QMdiSubWindow *window)
{
    auto *shown = window ? qobject_cast<frmContent *>(window->widget()) : nullptr;
    // The frame also reports no active window while the program itself is inactive; only the close of
    // the last document window really leaves none.
    if (!shown && mdlFile::CountOpenDocuments() > 0)
        return;
    if (shownDocument_ && shownDocument_ != shown)
        shownDocument_->Form_Deactivate();
    shownDocument_ = shown;
    if (shown)
        shown->Form_Activate();
}

void frmMain::MDIForm_DblClick()
{
    // A double-click by the user hands nothing over.
    CarryOutHandOver({});
}

void frmMain::CarryOutHandOver(const QStringList &paths)
{
    const int previous = ActiveFileIndex;
    mdlProgram::OpenCommandFiles(paths);
    // Also after an empty hand-over (a plain double-click), the focus goes back to a document.
    ReturnFocus(previous);
}

QStringList frmMain::DroppedFiles(const QMimeData *data)
{
    QStringList files;
    if (data->hasUrls())
        for (const QUrl &url : data->urls())
            if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
                files << url.toLocalFile();
    return files;
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dragMoveEvent(QDragMoveEvent *event)
{
    if (!DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event)
{
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    MDIForm_OLEDragDrop(files);
}

void frmMain::MDIForm_OLEDragDrop(const QStringList &files)
{
    for (const QString &path : files)
        if (mdlLibrary::IsTextFile(path))
            mdlFile::OpenDocumentFile(path, mdlLibrary::GetFileNameOf(path), 0, 0);
}

void frmMain::ReturnFocus(int previous)
{
    for (const int index : {ActiveFileIndex, previous}) {
        if (frmContent *document = mdlFile::OpenDocumentWindow(index)) {
            document->SetFocusForm();
            return;
        }
    }
}

void frmMain::MDIForm_QueryUnload(bool &cancel)
{
    cancel = true;
    StoreWindowPosition();
    mdlExit::ExitProgram();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    bool cancel = false;
    MDIForm_QueryUnload(cancel);
    if (cancel)
        event->ignore();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == picServise)
            picServise_Resize();
        else if (watched == picFiles)
            picFiles_Resize();
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && (key->modifiers() & Qt::ControlModifier))
            // Only within one window: keys typed in a dialog over a document stay the dialog's.
            for (auto *widget = qobject_cast<QWidget *>(watched); widget;
                 widget = widget->isWindow() ? nullptr : widget->parentWidget())
                if (auto *document = qobject_cast<frmContent *>(widget))
                    return document->KeyPreview(*key);
    }
    if (watched == mdiArea->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        MDIForm_DblClick();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        MDIForm_Activate();
    QMainWindow::changeEvent(event);
}

void frmMain::StoreWindowPosition()
{
    if (isMinimized())
        return;
    // A maximised frame keeps its normal place, so that it comes back there when it is restored.
    mdlLoad::FormMaxsize = isMaximized();
    platform::forms::StoreRect(isMaximized() ? normalGeometry() : geometry(),
                               {mdlLoad::FormLeft, mdlLoad::FormTop, mdlLoad::FormWidth, mdlLoad::FormHeight});
}

void frmMain::DockFilesPanel(bool top)
{
    auto *rows = static_cast<QVBoxLayout *>(centralWidget()->layout());
    rows->removeWidget(picFiles);
    // At the top the strip comes right under the top bar; at the bottom it is the last row.
    rows->insertWidget(top ? 1 : rows->count(), picFiles);
    tbsFiles->setShape(top ? QTabBar::RoundedNorth : QTabBar::RoundedSouth);
}

