// Takes pictures of the main window with an HTML page open, with two documents, with each page of its
// work panel, with the document tabs on top and as a narrow window, of its menus open, of its tag panel
// with two groups, of the New, Open and Save dialogs, the find, replace and go-to dialogs, the re-encoding
// dialog, the colour picker, the about box, the support page, the tips window, the testers page and every
// page of the settings dialog, as a user meets them, into the folder given as the first argument.
// The work panel after a click on each of its tabs at the panel's start width, and the frame with its tag
// panel switched off from the tool bar, each as the user's mouse does it.
// tools/take-screenshots runs it under Xvfb.
// Also Qt's own dialogs as the program shows them: the print dialog and the settings' folder picker; and the
// message that names a FIFO, a device and a folder handed over among files, and the start's report of the
// old content that a killed save left. The Open dialog is pictured in its details view too.
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadLeftBackups.h"
#include "app/core/mdlProgram.h"
#include "app/dialogs/FolderPane.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmFileSave.h"
#include "app/dialogs/frmSetting.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/components/Creation.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/MultiRowTabStrip.h"
#include "tests/TempFolder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QToolBar>
#include <QTimer>
#include <QTreeWidget>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Lets the windows paint for two seconds in a running event loop, which the page engine needs.
void Settle()
{
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
}

// What the display shows of the window, page panes included, which a widget's own grab leaves blank;
// only the part that `part` covers when it is given.
void Picture(QWidget *window, const QString &file, const QWidget *part = nullptr)
{
    Settle();
    const QRect area = part ? QRect(part->mapTo(window, QPoint(0, 0)), part->size()) : QRect(0, 0, -1, -1);
    window->screen()->grabWindow(window->winId(), area.x(), area.y(), area.width(), area.height()).save(file);
}

// What the display shows around the window, so that a menu opened over it is in the picture too.
void ScreenPicture(QWidget *window, const QString &file)
{
    Settle();
    const QRect area = window->frameGeometry().adjusted(0, 0, 0, 240);
    window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
}

const char *Page = R"(<!DOCTYPE html>
<html lang="ru">
<head>
  <meta charset="windows-1251">
  <title>Пример страницы</title>
  <link rel="stylesheet" href="style.css">
</head>
<body>
  <!-- Шапка страницы -->
  <h1 class="title">Добро пожаловать</h1>
  <p>Это <b>пример</b> страницы, набранной в редакторе &laquo;Vellicor&raquo;.</p>
  <ul>
    <li><a href="news.html">Новости</a></li>
    <li><a href="about.html">О нас</a></li>
  </ul>
  <script>
    document.title = "Пример: " + new Date().getFullYear();
  </script>
</body>
</html>
)";

const char *PreviewPage = R"(<html>
<body style="font-family: sans-serif">
  <h1>Просмотр страницы</h1>
  <p>Картинка лежит в папке pictures рядом со страницей:</p>
  <p><img src="pictures/landscape.png" alt="Пейзаж"></p>
</body>
</html>
)";

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowin Vellicor"));
    QApplication::setQuitOnLastWindowClosed(false);
    platform::application::UseRussian();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(out);

    QTemporaryDir scratch;
    const QString program = scratch.filePath(QStringLiteral("program"));
    TempFolder::CopyTree(QStringLiteral(VELLICOR_PROGRAM_FOLDER), program);
    qputenv("VELLICOR_WINDOW_TABLE", scratch.path().toUtf8());
    qputenv("VELLICOR_COMPONENT_REGISTRY", scratch.filePath(QStringLiteral("components.json")).toUtf8());
    platform::components::RegisterServerLibrary(program + QStringLiteral("/MwFSO.so"));
    platform::application::SetPath(program);
    // This tool's own argument is no path for the program to open.
    platform::application::SetArguments({});

    const QString site = scratch.filePath(QStringLiteral("site"));
    QDir().mkpath(site);
    QFile page(site + QStringLiteral("/index.html"));
    page.open(QIODevice::WriteOnly);
    page.write(platform::text::StringToAnsi(QString::fromUtf8(Page)));
    page.close();
    QFile(site + QStringLiteral("/style.css")).open(QIODevice::WriteOnly);

    frmMain *main = forms::frmMain.get();
    main->resize(1000, 700);
    main->MDIForm_Load();
    main->resize(1000, 700);
    mdlLoad::PathOpen = site + u'/';
    main->SyncFilePanelPath();
    main->mnuFile_CloseAll_Click();
    mdlFile::OpenDocumentFile(page.fileName(), QStringLiteral("index.html"), 0, 0);
    Picture(main, out + QStringLiteral("/main-window.png"));
    for (const int tab : {1, 2}) {
        main->tbsTegs->Select(tab);
        Picture(main, out + QStringLiteral("/tag-bar-%1.png").arg(tab), main->picMain);
    }

    // The work panel's tabs and the tag panel's switch, clicked with the mouse at the start sizes.
    {
        const auto click = [](QWidget *widget, const QPoint &at) {
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(widget, &event);
            }
        };
        const char *tabPages[] = {"files", "phrase", "color", "symbol"};
        for (const int tab : {2, 3, 4, 1}) {
            click(main->sstServise, main->sstServise->TabRect(tab).center());
            Picture(main, out + QStringLiteral("/work-panel-clicked-%1.png").arg(QLatin1String(tabPages[tab - 1])),
                    main->picServise);
        }
        QWidget *tegs = main->tlbMenuFile->widgetForAction(main->mnuView_ToolBar_Tegs);
        click(tegs, tegs->rect().center());
        Picture(main, out + QStringLiteral("/main-window-without-tag-panel.png"));
        click(tegs, tegs->rect().center());
    }

    // Each page of the work panel in a large window; a colour chosen in the colour tree.
    main->resize(1280, 900);
    if (QTreeWidgetItem *group = main->trvColor->topLevelItem(0); group && group->childCount() > 0) {
        group->setExpanded(true);
        main->trvColor->setCurrentItem(group->child(5));
        main->trvColor_NodeClick();
    }
    const char *panelPages[] = {"files", "phrase", "color", "symbol"};
    for (int page = 1; page <= 4; ++page) {
        main->sstServise->Select(page);
        Picture(main, out + QStringLiteral("/work-panel-%1.png").arg(QLatin1String(panelPages[page - 1])));
    }
    main->sstServise->Select(1);
    main->DockFilesPanel(true);
    Picture(main, out + QStringLiteral("/document-tabs-on-top.png"));
    main->DockFilesPanel(false);
    main->resize(800, 600);
    Picture(main, out + QStringLiteral("/narrow-window.png"));
    main->resize(1000, 700);

    const int pageIndex = main->ActiveFileIndex;
    // A second document, a plain text, beside the page.
    QFile notes(site + QStringLiteral("/notes.txt"));
    notes.open(QIODevice::WriteOnly);
    notes.write(platform::text::StringToAnsi(QStringLiteral("Заметки к сайту.\r\nСделать страницу новостей.\r\n")));
    notes.close();
    mdlFile::OpenDocumentFile(notes.fileName(), QStringLiteral("notes.txt"), 0, 0);
    const int notesIndex = main->ActiveFileIndex;
    main->mnuWindows_Cascade_Click();
    Picture(main, out + QStringLiteral("/two-documents.png"));

    // The menus that act on the document, opened as the user opens them.
    const std::pair<QMenu *, const char *> menus[] = {
        {main->mnuEdit, "edit"}, {main->mnuSearch, "search"}, {main->mnuView, "view"}, {main->mnuServis, "servis"}};
    for (const auto &[menu, name] : menus) {
        main->menuBar()->setActiveAction(menu->menuAction());
        ScreenPicture(main, out + QStringLiteral("/menu-%1.png").arg(QLatin1String(name)));
        menu->hide();
        main->menuBar()->setActiveAction(nullptr);
    }

    // A page with a picture beside it and Cyrillic text without a declared charset, changed in the
    // editor and previewed from its copy against its own folder.
    const QString pages = scratch.filePath(QStringLiteral("pages"));
    QDir().mkpath(pages + QStringLiteral("/pictures"));
    QImage drawing(240, 120, QImage::Format_RGB32);
    QPainter painter(&drawing);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(1, QColor(200, 225, 250));
    painter.fillRect(drawing.rect(), sky);
    painter.setBrush(QColor(250, 200, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(180, 40), 22, 22);
    painter.setBrush(QColor(60, 140, 70));
    painter.drawRect(0, 90, 240, 30);
    painter.end();
    drawing.save(pages + QStringLiteral("/pictures/landscape.png"), "PNG");
    QFile preview(pages + QStringLiteral("/preview.html"));
    preview.open(QIODevice::WriteOnly);
    preview.write(platform::text::StringToAnsi(QString::fromUtf8(PreviewPage)));
    preview.close();
    mdlFile::OpenDocumentFile(preview.fileName(), QStringLiteral("preview.html"), 0, 0);
    mdlLoad::ViewTmpfile = true;
    frmContent *previewed = mdlFile::Documents[main->ActiveFileIndex];
    previewed->PositionCursor(5, 0);
    previewed->PasteText(QStringLiteral("  <p>Эта строка дописана в редакторе и видна в просмотре до сохранения.</p>\n"));
    main->mnuView_EditBrowser_Click();
    Picture(main, out + QStringLiteral("/preview-mode.png"));
    main->mnuView_EditBrowser_Click();
    mdlFile::Documents[pageIndex]->SetFocusForm();

    forms::frmFileOpen->show();
    Picture(forms::frmFileOpen.get(), out + QStringLiteral("/open-dialog.png"));
    // Its details view names each file's type and date in Russian.
    for (QAction *view : forms::frmFileOpen->picListFiles->tlbMenu->actions())
        if (view->objectName() == QLatin1String("detals"))
            view->trigger();
    Picture(forms::frmFileOpen.get(), out + QStringLiteral("/open-dialog-details.png"));
    forms::frmFileOpen->hide();

    // The Save dialog, the New dialog, the about box, the support page, the tips and the testers are
    // modal: each is pictured from inside its showing.
    QString picture;
    platform::dialogs::SetDialogHook([&](QDialog &dialog) {
        dialog.show();
        Picture(&dialog, picture);
        dialog.hide();
        return int(QDialog::Rejected);
    });
    for (const auto &[document, name] : {std::pair{pageIndex, "save-dialog"}, std::pair{notesIndex, "save-dialog-text"}}) {
        picture = out + QStringLiteral("/%1.png").arg(QLatin1String(name));
        forms::frmFileSave->ShowSave(document, mdlFile::SaveMode::SaveAs);
    }
    picture = out + QStringLiteral("/new-dialog.png");
    main->mnuFile_New_Click();
    picture = out + QStringLiteral("/about-box.png");
    main->mnuHelp_About_Click();
    picture = out + QStringLiteral("/support-page.png");
    main->mnuHelp_User_Click();
    picture = out + QStringLiteral("/tips-window.png");
    main->mnuServis_Advice_Click();
    picture = out + QStringLiteral("/testers-page.png");
    main->mnuHelp_Tester_Click();
    picture = out + QStringLiteral("/colour-picker.png");
    main->mnuServis_SelColor_Click();
    mdlFile::Documents[pageIndex]->SetFocusForm();
    picture = out + QStringLiteral("/find-dialog.png");
    main->mnuSearch_Find_Click();
    picture = out + QStringLiteral("/replace-dialog.png");
    main->mnuSearch_Replace_Click();
    picture = out + QStringLiteral("/goto-dialog.png");
    main->mnuSearch_GotoLine_Click();
    picture = out + QStringLiteral("/recode-dialog.png");
    main->mnuServis_Code_Click();

    // The settings dialog, one picture for each page of its tree.
    platform::dialogs::SetDialogHook([&](QDialog &dialog) {
        auto &settings = static_cast<frmSetting &>(dialog);
        settings.show();
        for (QTreeWidgetItemIterator node(settings.trvSetting); *node; ++node) {
            settings.trvSetting->setCurrentItem(*node);
            Picture(&settings, out + QStringLiteral("/settings-") + (*node)->data(0, Qt::UserRole).toString() +
                                   QStringLiteral(".png"));
        }
        settings.hide();
        return int(QDialog::Rejected);
    });
    main->mnuServis_Setting_Click();

    // Qt's own dialogs, in Russian: the print dialog, closed and with its options open, and the folder
    // picker of the settings dialog, opened from the Open folder box.
    platform::dialogs::SetDialogHook([&](QDialog &dialog) {
        if (auto *print = qobject_cast<QPrintDialog *>(&dialog)) {
            print->show();
            Picture(print, out + QStringLiteral("/print-dialog.png"));
            for (QPushButton *button : print->findChildren<QPushButton *>())
                if (button->text().endsWith(QStringLiteral(">>")))
                    button->click();
            Picture(print, out + QStringLiteral("/print-dialog-options.png"));
        } else if (auto *picker = qobject_cast<QFileDialog *>(&dialog)) {
            picker->show();
            Picture(picker, out + QStringLiteral("/folder-picker.png"));
        } else if (auto *settings = qobject_cast<frmSetting *>(&dialog)) {
            settings->show();
            settings->txtDialogs_Open_Path->setText(scratch.path() + u'/');
            settings->tlbDialogs_Path[0]->actions().first()->trigger();
        }
        dialog.hide();
        return int(QDialog::Rejected);
    });
    mdlLoad::PrintSetup = true;
    mdlFile::Documents[pageIndex]->SetFocusForm();
    main->mnuFile_Print_Click();
    main->mnuServis_Setting_Click();

    // The messages of the paths handed over to the program that it does not open: what is no file, and a
    // file too large to open.
    platform::dialogs::SetDialogHook(nullptr);
    const auto pictureOfNextMessage = [&](const QString &name) {
        QTimer::singleShot(500, [&, name] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                Picture(box, out + u'/' + name);
                box->close();
            }
        });
    };
    const QString fifo = scratch.filePath(QStringLiteral("канал"));
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    pictureOfNextMessage(QStringLiteral("not-a-file-message.png"));
    mdlProgram::OpenCommandFiles({fifo, QStringLiteral("/dev/zero"), site});
    const QString large = scratch.filePath(QStringLiteral("большая.html"));
    QFile(large).open(QIODevice::WriteOnly);
    ::truncate(QFile::encodeName(large).constData(), qint64(2) * 1024 * 1024 * 1024);
    pictureOfNextMessage(QStringLiteral("too-large-file-message.png"));
    mdlProgram::OpenCommandFiles({large});

    // The report of the old content that a killed save of a page left in tmp/, as the next start shows it.
    const QString backup = mdlLoad::TmpFolder + QStringLiteral("index.html.bak");
    QFile::copy(page.fileName(), backup);
    QFile record(backup + QStringLiteral(".path"));
    record.open(QIODevice::WriteOnly);
    record.write(page.fileName().toUtf8() + '\n');
    record.close();
    QTimer::singleShot(500, [&] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            Picture(box, out + QStringLiteral("/left-backup-message.png"));
            for (QPushButton *button : box->findChildren<QPushButton *>())
                if (button->text() == QStringLiteral("Нет"))
                    button->click();
        }
    });
    mdlLoad::ReportLeftBackups();

    mdlLoad::ProgramLoaded = false;
    // Straight out, the page engine's teardown left aside; the scratch folder goes first.
    scratch.remove();
    std::_Exit(0);
}
