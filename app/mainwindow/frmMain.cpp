#include "app/mainwindow/frmMain.h"

#include "app/core/mdlExit.h"
#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/core/mdlProgram.h"
#include "app/dialogs/frmAbout.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmFileSave.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "app/documents/mdlLanguageApply.h"
#include "platform/application/Application.h"
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

    auto *frame = new QWidget(this);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    mdiArea = new QMdiArea(frame);
    mdiArea->viewport()->installEventFilter(this);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::mdiArea_SubWindowActivated);
    // The frame's area takes Ctrl+Tab for its own window switching through a filter on the application;
    // one installed after it runs first and gives the keys to the documents' switching instead.
    qApp->installEventFilter(this);
    tbsFiles = new TabStrip(frame);
    tbsFiles->Add(1, QStringLiteral("nothing"), QStringLiteral("файлов нет"));
    layout->addWidget(mdiArea, 1);
    layout->addWidget(tbsFiles);
    setCentralWidget(frame);
    connect(tbsFiles, &TabStrip::Click, this, &frmMain::tbsFiles_Click);

    sttMain = new StatusBar({{QStringLiteral("namefile"), QStringLiteral("Имя документа"), true},
                             {QStringLiteral("sizefile"), QStringLiteral("Размер документа")},
                             {QStringLiteral("poscur"), QStringLiteral("Номер текущей строки и символа в строке")},
                             {QStringLiteral("code"), QStringLiteral("Кодировка файла / текущая кодировка")},
                             {QStringLiteral("empty"), QString()}},
                            this);
    setStatusBar(sttMain);
    CreateMenus();

    hWnd = platform::windows::RegisterWindow(this, [this](unsigned message, qint32, qint32) {
        if (message == mdlProgram::WM_LBUTTONDBLCLK)
            MDIForm_DblClick();
        else if (message == mdlProgram::WM_CLOSE)
            close();
    });
}

frmMain::~frmMain()
{
    platform::windows::UnregisterWindow(hWnd);
}

void frmMain::CreateMenus()
{
    const auto item = [this](QMenu *menu, const QString &caption, void (frmMain::*handler)(),
                             const QKeySequence &shortcut = {}) {
        QAction *action = menu->addAction(caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("&Файл"));
    mnuFile_Open = item(mnuFile, QStringLiteral("Открыть..."), &frmMain::mnuFile_Open_Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFile->addSeparator();
    mnuFile_Save = item(mnuFile, QStringLiteral("Сохранить"), &frmMain::mnuFile_Save_Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile->addSeparator();
    mnuFile_SaveAs = item(mnuFile, QStringLiteral("Сохранить как..."), &frmMain::mnuFile_SaveAs_Click);
    mnuFile_SaveCopy = item(mnuFile, QStringLiteral("Сохранить копию"), &frmMain::mnuFile_SaveCopy_Click);
    mnuFile->addSeparator();
    mnuFile_Close = item(mnuFile, QStringLiteral("Закрыть"), &frmMain::mnuFile_Close_Click, QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuFile_CloseAll = item(mnuFile, QStringLiteral("Закрыть все"), &frmMain::mnuFile_CloseAll_Click);
    mnuFile->addSeparator();
    mnuFile_Exit = item(mnuFile, QStringLiteral("Выход"), &frmMain::mnuFile_Exit_Click);

    mnuView = menuBar()->addMenu(QStringLiteral("&Вид"));
    mnuView_Syntax = mnuView->addMenu(QStringLiteral("Синтаксис"));
    QAction *template_ = mnuView_Syntax->addAction(QString());
    template_->setVisible(false);
    template_->setEnabled(false);
    mnuView_Syntax_Lang.append(template_);

    mnuWindows = menuBar()->addMenu(QStringLiteral("&Окна"));
    mnuWindows_Cascade = mnuWindows->addAction(QStringLiteral("Каскадом"));
    connect(mnuWindows_Cascade, &QAction::triggered, this, &frmMain::mnuWindows_Cascade_Click);
    mnuWindows->addSeparator();
    QAction *empty = mnuWindows->addAction(QStringLiteral("(пусто)"));
    empty->setVisible(false);
    mnuWindows_File.append(empty);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Справка"));
    mnuHelp_User = item(mnuHelp, QStringLiteral("Автор ждет..."), &frmMain::mnuHelp_User_Click);
    mnuHelp_About = item(mnuHelp, QStringLiteral("О программе"), &frmMain::mnuHelp_About_Click);
}

void frmMain::MDIForm_Load()
{
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
    activateWindow();
    mdlLoad::OpenOnStart(platform::application::CommandLine());
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
    const int previous = ActiveFileIndex;
    const QString sendFile = mdlLoad::TmpFolder + QStringLiteral("send.txt");
    const QString path = mdlLibrary::IsTextFile(sendFile)
                             ? mdlLibrary::FileReadText(sendFile, mdlLibrary::TextEncoding::Utf8)
                             : QString();
    // An open document is activated through the document table, so its tab and Window-menu item follow.
    if (const int open = path.isEmpty() ? 0 : mdlFile::FindDocumentByPath(path); open > 0)
        mdlFile::ActivateDocument(open, true, false);
    else if (!path.isEmpty() && mdlLibrary::IsTextFile(path))
        mdlFile::OpenDocumentFile(path, mdlLibrary::GetFileName(path), 0, 0);
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
            mdlFile::OpenDocumentFile(path, mdlLibrary::GetFileName(path), 0, 0);
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
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && (key->modifiers() & Qt::ControlModifier))
            for (auto *widget = qobject_cast<QWidget *>(watched); widget; widget = widget->parentWidget())
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
    if (isMaximized()) {
        mdlLoad::FormMaxsize = true;
        mdlLoad::FormLeft = mdlLoad::FormTop = mdlLoad::FormWidth = mdlLoad::FormHeight = 0;
        return;
    }
    mdlLoad::FormMaxsize = false;
    mdlLoad::FormLeft = x() * mdlLoad::TwipsPerPixelX;
    mdlLoad::FormTop = y() * mdlLoad::TwipsPerPixelY;
    mdlLoad::FormWidth = width() * mdlLoad::TwipsPerPixelX;
    mdlLoad::FormHeight = height() * mdlLoad::TwipsPerPixelY;
}

void frmMain::DockFilesPanel(bool top)
{
    auto *layout = static_cast<QVBoxLayout *>(centralWidget()->layout());
    layout->removeWidget(tbsFiles);
    layout->insertWidget(top ? 0 : layout->count(), tbsFiles);
    tbsFiles->setShape(top ? QTabBar::RoundedNorth : QTabBar::RoundedSouth);
}

void frmMain::mnuWindows_Cascade_Click()
{
    mdiArea->cascadeSubWindows();
}

void frmMain::mnuWindows_File_Click(int index)
{
    mdlFile::ActivateDocument(mdlFile::FindDocumentByMenu(index), true, false);
}

void frmMain::tbsFiles_Click()
{
    mdlFile::ActivateDocument(mdlFile::FindDocumentByTab(tbsFiles->SelectedPosition()), true, false);
}

void frmMain::mnuView_Syntax_Lang_Click(int index)
{
    const int active = ActiveFileIndex;
    if (active < 1 || !mdlFile::Documents[active])
        return;
    mdlFile::DocumentRecords[active].Language = index;
    mdlLanguage::SetDocumentLanguage(mdlFile::Documents[active]->txtContent, index, QString(), true);
    if (mdlFile::Documents[active])
        mdlFile::Documents[active]->SetFocusForm();
}

int frmMain::AddSyntaxItem(const QString &caption)
{
    QAction *item = mnuView_Syntax->addAction(caption);
    item->setCheckable(true);
    const int index = int(mnuView_Syntax_Lang.size());
    mnuView_Syntax_Lang.append(item);
    connect(item, &QAction::triggered, this, [this, index] { mnuView_Syntax_Lang_Click(index); });
    return index;
}

int frmMain::AddWindowItem(const QString &caption)
{
    QAction *item = mnuWindows->addAction(caption);
    item->setCheckable(true);
    const int index = int(mnuWindows_File.size());
    mnuWindows_File.append(item);
    connect(item, &QAction::triggered, this, [this, index] { mnuWindows_File_Click(index); });
    return index;
}
