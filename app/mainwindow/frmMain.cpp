#include "app/mainwindow/frmMain.h"

#include "app/core/mdlExit.h"
#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/core/mdlProgram.h"
#include "app/documents/mdlFile.h"
#include "platform/application/Application.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>

#include <cmath>

namespace {
const QString ProductTitle = QStringLiteral("Marrowin Vellicor");
}

frmMain::frmMain()
{
    setWindowTitle(ProductTitle);
    resize(800, 600);
    mdiArea = new QMdiArea(this);
    setCentralWidget(mdiArea);
    mdiArea->viewport()->installEventFilter(this);

    mnuFile = menuBar()->addMenu(QStringLiteral("&Файл"));
    mnuFile_Exit = mnuFile->addAction(QStringLiteral("Выход"));
    connect(mnuFile_Exit, &QAction::triggered, this, &frmMain::mnuFile_Exit_Click);

    hWnd = platform::windows::RegisterWindow(this, [this](unsigned message, qint32, qint32) {
        if (message == mdlProgram::WM_LBUTTONDBLCLK)
            MDIForm_DblClick();
    });
}

frmMain::~frmMain()
{
    platform::windows::UnregisterWindow(hWnd);
}

void frmMain::MDIForm_Load()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    mdlLoad::ProgramLoaded = false;

    mdlLoad::InitPathsAndLoad();
    show();

    QApplication::restoreOverrideCursor();
    mdlLoad::ProgramLoaded = true;
    setEnabled(true);
    activateWindow();
    mdlLoad::OpenOnStart(platform::application::CommandLine());
}

void frmMain::MDIForm_DblClick()
{
    const QString sendFile = mdlLoad::TmpFolder + QStringLiteral("send.txt");
    if (!mdlLibrary::IsTextFile(sendFile))
        return;
    const QString path = mdlLibrary::FileReadText(sendFile, mdlLibrary::TextEncoding::Utf8);
    if (path.isEmpty())
        return;
    // Opening and activating the handed-over document comes with the document side.
    Q_UNUSED(path);
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
    if (watched == mdiArea->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        MDIForm_DblClick();
    return QMainWindow::eventFilter(watched, event);
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

void frmMain::mnuFile_Exit_Click()
{
    mdlExit::ExitProgram();
}

void frmMain::mnuFile_CloseAll_Click()
{
}
