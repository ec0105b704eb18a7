// The main window's bars and menus as designed: captions, order, separators and shortcut keys.
#include "app/mainwindow/frmMain.h"

#include "app/documents/mdlFileCommands.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/TabStrip.h"

#include <QHBoxLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

// An item that runs `handler` when the user chooses it or presses its key. The editor leaves Ctrl, Alt
// and function keys to the window's shortcuts, so these keys win over its own bindings (Ctrl+D, Ctrl+L).
template <typename Handler>
QAction *Item(QMenu *menu, const QString &caption, frmMain *main, Handler handler, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, main, handler);
    return action;
}

// The designed element 0 of a list filled at run time: "(пусто)", disabled.
QAction *EmptyItem(QMenu *menu)
{
    QAction *empty = menu->addAction(QStringLiteral("(пусто)"));
    empty->setEnabled(false);
    return empty;
}

} // namespace

void frmMain::CreateBars()
{
    auto *frame = new QWidget(this);
    auto *rows = new QVBoxLayout(frame);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    picMain = new QWidget(frame);
    auto *top = new QHBoxLayout(picMain);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(4);
    picToolbar = new QWidget(picMain);
    // Like every bar, hidden until the View menu's switch shows it.
    picToolbar->hide();
    top->addWidget(picToolbar);
    CreateTegsPanel(top);
    // Without the tag panel the room is left empty, and the command bars stay at the left edge.
    top->addStretch();
    picMain->hide();
    rows->addWidget(picMain);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(0);
    picServise = new QWidget(frame);
    picServise->hide();
    mdiArea = new QMdiArea(frame);
    middle->addWidget(picServise);
    middle->addWidget(mdiArea, 1);
    rows->addLayout(middle, 1);

    picFiles = new QWidget(frame);
    auto *bottom = new QHBoxLayout(picFiles);
    bottom->setContentsMargins(0, 0, 0, 0);
    tbsFiles = new TabStrip(picFiles);
    tbsFiles->setAccessibleName(QStringLiteral("Перечень файлов"));
    tbsFiles->Add(1, QStringLiteral("nothing"), QStringLiteral("файлов нет"));
    bottom->addWidget(tbsFiles);
    picFiles->hide();
    rows->addWidget(picFiles);
    setCentralWidget(frame);

    sttMain = new StatusBar({{QStringLiteral("namefile"), QStringLiteral("Имя документа"), true},
                             {QStringLiteral("sizefile"), QStringLiteral("Размер документа")},
                             {QStringLiteral("poscur"), QStringLiteral("Номер текущей строки и символа в строке")},
                             {QStringLiteral("code"), QStringLiteral("Кодировка файла / текущая кодировка")},
                             {QStringLiteral("empty"), QString()}},
                            this);
    setStatusBar(sttMain);
    sttMain->hide();
    CreateServisePanel();
}

void frmMain::CreateMenus()
{
    const auto menu = [this](const QString &caption) {
        QMenu *created = menuBar()->addMenu(caption);
        connect(created, &QMenu::aboutToShow, this, &frmMain::mnuMenu_Click);
        return created;
    };
    const auto key = [](QKeyCombination combination) { return QKeySequence(combination); };

    mnuFile = menu(QStringLiteral("&Файл"));
    mnuFile_New = Item(mnuFile, QStringLiteral("Создать..."), this, &frmMain::mnuFile_New_Click, key(Qt::CTRL | Qt::Key_N));
    mnuFile_Open = Item(mnuFile, QStringLiteral("Открыть..."), this, &frmMain::mnuFile_Open_Click, key(Qt::CTRL | Qt::Key_O));
    mnuFile_Magazine = mnuFile->addMenu(QStringLiteral("Из журнала"));
    // Element 0 is chosen like any other item: no file of that name can be read, and the user is told so.
    AddMagazineItem(QStringLiteral("(пусто)"));
    connect(mnuFile_Magazine, &QMenu::aboutToShow, this, &frmMain::FillMagazineMenu);
    mnuFile->addSeparator();
    mnuFile_Save = Item(mnuFile, QStringLiteral("Сохранить"), this, &frmMain::mnuFile_Save_Click, key(Qt::CTRL | Qt::Key_S));
    mnuFile_SaveAll = Item(mnuFile, QStringLiteral("Сохранить все"), this, &frmMain::mnuFile_SaveAll_Click);
    mnuFile->addSeparator();
    mnuFile_SaveAs = Item(mnuFile, QStringLiteral("Сохранить как..."), this, &frmMain::mnuFile_SaveAs_Click);
    mnuFile_SaveCopy = Item(mnuFile, QStringLiteral("Сохранить копию"), this, &frmMain::mnuFile_SaveCopy_Click);
    mnuFile->addSeparator();
    mnuFile_Close = Item(mnuFile, QStringLiteral("Закрыть"), this, &frmMain::mnuFile_Close_Click, key(Qt::CTRL | Qt::Key_W));
    mnuFile_CloseAll = Item(mnuFile, QStringLiteral("Закрыть все"), this, &frmMain::mnuFile_CloseAll_Click);
    mnuFile->addSeparator();
    mnuFile_Print = Item(mnuFile, QStringLiteral("Печать документа"), this, &frmMain::mnuFile_Print_Click);
    mnuFile->addSeparator();
    mnuFile_Exit = Item(mnuFile, QStringLiteral("Выход"), this, &frmMain::mnuFile_Exit_Click);

    mnuEdit = menu(QStringLiteral("&Правка"));
    mnuEdit_Undo = Item(mnuEdit, QStringLiteral("Отменить"), this, &frmMain::mnuEdit_Undo_Click, key(Qt::CTRL | Qt::Key_Z));
    mnuEdit_Redo = Item(mnuEdit, QStringLiteral("Вернуть"), this, &frmMain::mnuEdit_Redo_Click);
    // Also the editor's usual second key for it; the menu shows the first.
    mnuEdit_Redo->setShortcuts({key(Qt::CTRL | Qt::Key_Y), key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuEdit->addSeparator();
    mnuEdit_Cut = Item(mnuEdit, QStringLiteral("Вырезать"), this, &frmMain::mnuEdit_Cut_Click, key(Qt::CTRL | Qt::Key_X));
    mnuEdit_Copy = Item(mnuEdit, QStringLiteral("Копировать"), this, &frmMain::mnuEdit_Copy_Click, key(Qt::CTRL | Qt::Key_C));
    mnuEdit_Paste = Item(mnuEdit, QStringLiteral("Вставить"), this, &frmMain::mnuEdit_Paste_Click, key(Qt::CTRL | Qt::Key_V));
    mnuEdit_Del = Item(mnuEdit, QStringLiteral("Удалить"), this, &frmMain::mnuEdit_Del_Click, key(Qt::Key_Delete));
    mnuEdit_DelLine = Item(mnuEdit, QStringLiteral("Удалить строку"), this, &frmMain::mnuEdit_DelLine_Click, key(Qt::CTRL | Qt::Key_D));
    mnuEdit->addSeparator();
    mnuEdit_SelectLine = Item(mnuEdit, QStringLiteral("Выделить строку"), this, &frmMain::mnuEdit_SelectLine_Click, key(Qt::CTRL | Qt::Key_L));
    mnuEdit_SelectAll = Item(mnuEdit, QStringLiteral("Выделить все"), this, &frmMain::mnuEdit_SelectAll_Click, key(Qt::CTRL | Qt::Key_A));

    mnuSearch = menu(QStringLiteral("По&иск"));
    mnuSearch_Find = Item(mnuSearch, QStringLiteral("Найти..."), this, &frmMain::mnuSearch_Find_Click, key(Qt::CTRL | Qt::Key_F));
    mnuSearch_FindNext = Item(mnuSearch, QStringLiteral("Найти далее"), this, &frmMain::mnuSearch_FindNext_Click, key(Qt::Key_F3));
    mnuSearch_Replace = Item(mnuSearch, QStringLiteral("Заменить..."), this, &frmMain::mnuSearch_Replace_Click, key(Qt::CTRL | Qt::Key_H));
    mnuSearch->addSeparator();
    mnuSearch_GotoLine = Item(mnuSearch, QStringLiteral("Перейти к строке..."), this, &frmMain::mnuSearch_GotoLine_Click, key(Qt::CTRL | Qt::Key_G));

    mnuView = menu(QStringLiteral("&Вид"));
    mnuView_ToolBar = mnuView->addMenu(QStringLiteral("Панели инструментов"));
    const auto bar = [this](const QString &caption) {
        QAction *item = mnuView_ToolBar->addAction(caption);
        // Each switch starts unchecked; the start runs it once for every bar the settings show.
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, item](bool checked) { SwitchBar(item, checked); });
        return item;
    };
    mnuView_ToolBar_Standart = bar(QStringLiteral("Стандартная панель"));
    mnuView_ToolBar_Servise = bar(QStringLiteral("Служебная панель"));
    mnuView_ToolBar_Tegs = bar(QStringLiteral("Панель тегов"));
    mnuView_ToolBar_Files = bar(QStringLiteral("Перечень файлов"));
    mnuView_ToolBar_StatusBar = bar(QStringLiteral("Панель состояния"));
    mnuView->addSeparator();
    mnuView_Syntax = mnuView->addMenu(QStringLiteral("Синтаксис"));
    mnuView_Syntax_Lang.append(EmptyItem(mnuView_Syntax));
    mnuView_CodeView = mnuView->addMenu(QStringLiteral("Определение кодировки"));
    mnuView_CodeView_File = mnuView_CodeView->addMenu(QStringLiteral("Кодировка файла"));
    mnuView_CodeView_File_List.append(EmptyItem(mnuView_CodeView_File));
    mnuView_CodeView_View = mnuView_CodeView->addMenu(QStringLiteral("Текущая кодировка"));
    mnuView_CodeView_View_List.append(EmptyItem(mnuView_CodeView_View));
    mnuView->addSeparator();
    mnuView_Registr = mnuView->addMenu(QStringLiteral("Регистр текста"));
    const auto registr = [this](const QString &caption, int mode, const QKeySequence &shortcut) {
        return Item(mnuView_Registr, caption, this, [this, mode] { mnuView_Registr_Click(mode); }, shortcut);
    };
    mnuView_Registr_Alphabet = registr(QStringLiteral("Переключить алфавит"), 1, key(Qt::SHIFT | Qt::Key_F1));
    mnuView_Registr_Translit = registr(QStringLiteral("Транслит - Translit"), 7, key(Qt::SHIFT | Qt::Key_F2));
    mnuView_Registr_Big = registr(QStringLiteral("ВЕРХНИЙ РЕГИСТР"), 3, key(Qt::SHIFT | Qt::Key_F3));
    mnuView_Registr_Small = registr(QStringLiteral("нижний регистр"), 4, key(Qt::SHIFT | Qt::Key_F4));
    mnuView_Registr_First = registr(QStringLiteral("Как В Заголовках"), 5, key(Qt::SHIFT | Qt::Key_F5));
    mnuView_Registr_Switch = registr(QStringLiteral("пЕРЕКЛЮЧИТЬ рЕГИСТР"), 6, key(Qt::SHIFT | Qt::Key_F6));
    mnuView_Registr_Text = registr(QStringLiteral("Как в предложениях"), 2, {});
    mnuView_Registr_Text->setVisible(false);
    mnuView_Space = mnuView->addMenu(QStringLiteral("Удаление пробелов"));
    const auto space = [this](const QString &caption, int mode, const QKeySequence &shortcut) {
        return Item(mnuView_Space, caption, this, [this, mode] { mnuView_Space_Click(mode); }, shortcut);
    };
    mnuView_Space_Double = space(QStringLiteral("Двойные пробелы"), 1, key(Qt::CTRL | Qt::Key_F1));
    mnuView_Space_LineStart = space(QStringLiteral("В начале строк"), 2, key(Qt::CTRL | Qt::Key_F2));
    mnuView_Space_LineEnd = space(QStringLiteral("В конце строк"), 3, key(Qt::CTRL | Qt::Key_F3));
    mnuView_Lines = mnuView->addMenu(QStringLiteral("Операции над строками"));
    mnuView_Line_Join = Item(mnuView_Lines, QStringLiteral("Объединение строк"), this, &frmMain::mnuView_Line_Join_Click);
    mnuView_Line_DelEmpty = Item(mnuView_Lines, QStringLiteral("Удаление пустых строк"), this, &frmMain::mnuView_Line_DelEmpty_Click);
    mnuView->addSeparator();
    mnuView_OuterBrowser = Item(mnuView, QStringLiteral("Просмотр в браузере"), this, &frmMain::mnuView_OuterBrowser_Click, key(Qt::Key_F11));
    mnuView_EditBrowser = Item(mnuView, QStringLiteral("Редактор/Просмотр"), this, &frmMain::mnuView_EditBrowser_Click, key(Qt::Key_F12));
    mnuView->addSeparator();
    mnuView_ViewSpace = Item(mnuView, QStringLiteral("Непечатные символы"), this, &frmMain::mnuView_ViewSpace_Click);
    mnuView_ViewSpace->setCheckable(true);
    mnuView_WorkPanel = Item(mnuView, QStringLiteral("Рабочая панель"), this, &frmMain::mnuView_WorkPanel_Click);
    mnuView_WorkPanel->setCheckable(true);

    mnuServis = menu(QStringLiteral("Се&рвис"));
    mnuServis_Setting = Item(mnuServis, QStringLiteral("Параметры..."), this, &frmMain::mnuServis_Setting_Click);
    mnuServis->addSeparator();
    mnuServis_Advice = Item(mnuServis, QStringLiteral("Полезные советы"), this, &frmMain::mnuServis_Advice_Click);
    mnuServis_SelColor = Item(mnuServis, QStringLiteral("Выбрать HTML-цвет..."), this, &frmMain::mnuServis_SelColor_Click);
    mnuServis->addSeparator();
    mnuServis_Code = Item(mnuServis, QStringLiteral("Изменить кодировку..."), this, &frmMain::mnuServis_Code_Click);
    mnuServis_FileInset = Item(mnuServis, QStringLiteral("Вставить из файла..."), this, &frmMain::mnuServis_FileInset_Click);

    mnuWindows = menu(QStringLiteral("&Окна"));
    mnuWindows_Cascade = Item(mnuWindows, QStringLiteral("Каскадом"), this, &frmMain::mnuWindows_Cascade_Click);
    mnuWindows_Horizontal = Item(mnuWindows, QStringLiteral("Сверху вниз"), this, &frmMain::mnuWindows_Horizontal_Click);
    mnuWindows_Vertical = Item(mnuWindows, QStringLiteral("Слева направо"), this, &frmMain::mnuWindows_Vertical_Click);
    mnuWindows->addSeparator();
    mnuWindows_Max = Item(mnuWindows, QStringLiteral("Развернуть"), this, &frmMain::mnuWindows_Max_Click);
    mnuWindows_Min = Item(mnuWindows, QStringLiteral("Свернуть все"), this, &frmMain::mnuWindows_Min_Click);
    mnuWindows_Arrange = Item(mnuWindows, QStringLiteral("Упорядочить все"), this, &frmMain::mnuWindows_Arrange_Click);
    mnuWindows_Line2 = mnuWindows->addSeparator();
    QAction *noDocument = mnuWindows->addAction(QStringLiteral("(пусто)"));
    noDocument->setVisible(false);
    mnuWindows_File.append(noDocument);

    mnuHelp = menu(QStringLiteral("&Справка"));
    QAction *helpTemplate = mnuHelp->addAction(QString());
    helpTemplate->setVisible(false);
    helpTemplate->setEnabled(false);
    mnuHelp_File.append(helpTemplate);
    mnuHelp_Line1 = mnuHelp->addSeparator();
    mnuHelp_Tester = Item(mnuHelp, QStringLiteral("Тестеры-сподвижники"), this, &frmMain::mnuHelp_Tester_Click);
    mnuHelp_User = Item(mnuHelp, QStringLiteral("Автор ждет..."), this, &frmMain::mnuHelp_User_Click);
    mnuHelp_About = Item(mnuHelp, QStringLiteral("О программе"), this, &frmMain::mnuHelp_About_Click);

    // Never in the menu bar: a document pops it up on a right click in its editor.
    mnuPopupText = new QMenu(QStringLiteral("PopupText"), this);
    mnuPopupText_Undo = mnuPopupText->addAction(QStringLiteral("Отменить"), this, &frmMain::mnuEdit_Undo_Click);
    mnuPopupText->addSeparator();
    mnuPopupText_Cut = mnuPopupText->addAction(QStringLiteral("Вырезать"), this, &frmMain::mnuEdit_Cut_Click);
    mnuPopupText_Copy = mnuPopupText->addAction(QStringLiteral("Копировать"), this, &frmMain::mnuEdit_Copy_Click);
    mnuPopupText_Paste = mnuPopupText->addAction(QStringLiteral("Вставить"), this, &frmMain::mnuEdit_Paste_Click);
    mnuPopupText_Del = mnuPopupText->addAction(QStringLiteral("Удалить"), this, &frmMain::mnuEdit_Del_Click);
    mnuPopupText->addSeparator();
    mnuPopupText_Browser = mnuPopupText->addAction(QStringLiteral("Режим просмотра"), this, &frmMain::mnuView_EditBrowser_Click);
    mnuPopupText->addSeparator();
    mnuPopupText_SelLine = mnuPopupText->addAction(QStringLiteral("Выделить строку"), this, &frmMain::mnuEdit_SelectLine_Click);
    mnuPopupText_FindNext = mnuPopupText->addAction(QStringLiteral("Найти далее"), this, &frmMain::mnuSearch_FindNext_Click);
}

void frmMain::mnuMenu_Click()
{
    mdlFile::RefreshDocumentCommands();
}
