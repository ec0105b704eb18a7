#include "app/dialogs/frmSetting.h"

#include "app/core/mdlLibraryShell.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/core/mdlSetting.h"
#include "app/dialogs/TwipLayout.h"
#include "app/mainwindow/frmMain.h"
#include "platform/widgets/CheckBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using TwipLayout::BoxMargin;
using TwipLayout::ButtonHeight;
using TwipLayout::ButtonWidth;
using TwipLayout::Pixels;
using TwipLayout::Place;

namespace {

// Designed rectangles in twips, inside the container.
constexpr int PageLeft = 2300;
constexpr int PageTop = 80;
constexpr int PageWidth = 5700;
constexpr int PageHeight = 4400;
constexpr int TreeWidth = 2270;
constexpr int PageIndent = 90;
constexpr int ButtonGap = 120;
constexpr int BoxWidth = PageLeft + PageWidth;
constexpr int BoxHeight = PageTop + PageHeight + ButtonGap + ButtonHeight;

constexpr int KeyRole = Qt::UserRole;

int PageOfKey(const QString &key)
{
    static const QMap<QString, int> pages = {
        {QStringLiteral("index"), 0},        {QStringLiteral("start"), 1},       {QStringLiteral("main"), 2},
        {QStringLiteral("dialogs"), 3},      {QStringLiteral("files"), 4},       {QStringLiteral("text"), 5},
        {QStringLiteral("main_panels"), 21}, {QStringLiteral("main_files"), 22}, {QStringLiteral("files_view"), 41},
    };
    return pages.value(key, 0);
}

// A page's controls run from the top down under its heading.
QVBoxLayout *PageLayout(QWidget *page, const QString &heading)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(Pixels(PageIndent), 0, 0, 0);
    auto *title = new QLabel(heading, page);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    auto *line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    return layout;
}

QGroupBox *Frame(const QString &caption, QVBoxLayout *page)
{
    auto *frame = new QGroupBox(caption);
    page->addWidget(frame);
    new QVBoxLayout(frame);
    return frame;
}

CheckBox *Check(const QString &caption, QLayout *layout)
{
    auto *box = new CheckBox(caption);
    layout->addWidget(box);
    return box;
}

QComboBox *List(const QStringList &items)
{
    auto *list = new QComboBox;
    list->addItems(items);
    return list;
}

// A caption and its control on one row of `grid`; a long caption wraps.
void Row(QGridLayout *grid, const QString &caption, QWidget *control, bool wrap = false)
{
    const int row = grid->rowCount();
    auto *label = new QLabel(caption);
    label->setWordWrap(wrap);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
}

QLineEdit *NumberBox()
{
    auto *box = new QLineEdit;
    box->setFixedWidth(Pixels(900));
    return box;
}

const QStringList ViewItems = {QStringLiteral("Крупные значки"), QStringLiteral("Мелкие значки"),
                               QStringLiteral("Список"), QStringLiteral("Таблица")};

} // namespace

frmSetting::frmSetting() : QDialog(forms::frmMain.loaded())
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Параметры программы"));
    setFixedSize(Pixels(BoxWidth + 2 * BoxMargin), Pixels(BoxHeight + 2 * BoxMargin));
    // The pages' rectangle is fixed in twips, measured for the classic 8-point dialog font: the window
    // keeps the application's family at that size, so that its captions fit as designed.
    QFont classic = font();
    classic.setPointSize(8);
    setFont(classic);
    picBox = new QWidget(this);

    imgTree = {style()->standardIcon(QStyle::SP_DirIcon), style()->standardIcon(QStyle::SP_FileIcon)};
    trvSetting = new QTreeWidget(picBox);
    trvSetting->setHeaderHidden(true);
    trvSetting->setColumnCount(1);
    trvSetting->setIndentation(10);
    CreatePages();

    cmmUpdate = new QPushButton(QStringLiteral("Обновить"), picBox);
    cmmUpdate->setDefault(true);
    cmmCancel = new QPushButton(QStringLiteral("Отменить"), picBox);

    // A page is chosen by the keyboard as well as by a click; the tree's own filling chooses none.
    connect(trvSetting, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *node) { trvSetting_NodeClick(node); });
    connect(trvSetting, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *node) { trvSetting_NodeClick(node); });
    connect(trvSetting, &QTreeWidget::itemCollapsed, this, &frmSetting::trvSetting_Collapse);
    for (int i = 0; i < 2; ++i) {
        connect(optStart_New[i], &QRadioButton::clicked, this, [this, i] { optStart_New_Click(i); });
        connect(tlbDialogs_Path[i]->actions().first(), &QAction::triggered, this,
                [this, i] { tlbDialogs_Path_ButtonClick(i); });
    }
    connect(chcStart_New, &QCheckBox::clicked, this, &frmSetting::chcStart_New_Click);
    connect(cmmUpdate, &QPushButton::clicked, this, &frmSetting::cmmUpdate_Click);
    connect(cmmCancel, &QPushButton::clicked, this, &frmSetting::cmmCancel_Click);
    for (QLineEdit *box : {txtDialogs_CodeMax, txtDialogs_Open_Path, txtDialogs_Save_Path, txtFiles_Magazin_Count,
                           txtMain_Files_LenFile})
        box->installEventFilter(this);

    TwipLayout::PlacePicBox(this, picBox);
    picBox_Resize();
    Form_Load();
}

void frmSetting::CreatePages()
{
    const auto page = [this](int index, const QString &heading) {
        auto *widget = new QWidget(picBox);
        picInfo.insert(index, widget);
        return PageLayout(widget, heading);
    };

    QVBoxLayout *index = page(0, QStringLiteral("Настройка параметров"));
    lblIndex_Text = new QLabel;
    lblIndex_Text->setWordWrap(true);
    lblIndex_Text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    index->addWidget(lblIndex_Text, 1);

    QVBoxLayout *start = page(1, QStringLiteral("Запуск программы"));
    chcStart_New = Check(QStringLiteral("Создавать новый файл указанного типа"), start);
    auto *kinds = new QGridLayout;
    kinds->setContentsMargins(Pixels(300), 0, 0, 0);
    kinds->setColumnStretch(1, 1);
    start->addLayout(kinds);
    const QString options[] = {QStringLiteral("Пустой файл"), QStringLiteral("По шаблону")};
    for (int i = 0; i < 2; ++i) {
        optStart_New[i] = new QRadioButton(options[i]);
        cmbStart_New[i] = new QComboBox;
        kinds->addWidget(optStart_New[i], i, 0);
        kinds->addWidget(cmbStart_New[i], i, 1);
    }
    chcStart_Create = Check(QStringLiteral("Активизировать диалог создания файла"), start);
    chcStart_Open = Check(QStringLiteral("Активизировать диалог открытия файла"), start);
    chcStart_Advice = Check(QStringLiteral("Активизировать диалог советов дня"), start);
    start->addStretch(1);

    QVBoxLayout *main = page(2, QStringLiteral("Главное окно"));
    QGroupBox *codes = Frame(QStringLiteral("Указание кодировок в служебной панеле"), main);
    chcMain_Code_File = Check(QStringLiteral("Исходная кодировка файла"), codes->layout());
    chcMain_Code_View = Check(QStringLiteral("В какой кодировке открывать файл"), codes->layout());
    chcMain_FullPath = Check(QStringLiteral("В статус строке показывать полный путь к файлу"), main);
    main->addStretch(1);

    QVBoxLayout *panels = page(21, QStringLiteral("Настройка панелей инструментов"));
    chcMain_Panels_Standart = Check(QStringLiteral("Стандартная панель кнопок"), panels);
    chcMain_Panels_Servise = Check(QStringLiteral("Служебная панель вкладышей"), panels);
    chcMain_Panels_Tegs = Check(QStringLiteral("Панель вкладышей с кнопками быстрой вставки"), panels);
    chcMain_Panels_Files = Check(QStringLiteral("Панель вкладышей открытых файлов"), panels);
    chcMain_Panels_Status = Check(QStringLiteral("Панель состояния"), panels);
    panels->addStretch(1);

    QVBoxLayout *files = page(22, QStringLiteral("Панель вкладышей открытых файлов"));
    files->addWidget(new QLabel(QStringLiteral("Месторасположение панели")));
    cmbMain_Files_Place =
        List({QStringLiteral("Сверху (под панелью кнопок)"), QStringLiteral("Снизу (над статус строкой)")});
    files->addWidget(cmbMain_Files_Place, 0, Qt::AlignLeft);
    files->addWidget(new QLabel(QStringLiteral("Максимальная длина имени документа")));
    auto *length = new QHBoxLayout;
    files->addLayout(length);
    txtMain_Files_LenFile = NumberBox();
    length->addWidget(txtMain_Files_LenFile);
    length->addWidget(new QLabel(QStringLiteral("символов")));
    length->addStretch(1);
    chcMain_Files_Picture = Check(QStringLiteral("Показывать картинки во вкладышах"), files);
    files->addStretch(1);

    QVBoxLayout *dialogs = page(3, QStringLiteral("Диалоговые окна"));
    const QString frames[] = {QStringLiteral("Диалог открытия файлов"), QStringLiteral("Диалог сохранения файлов")};
    QLineEdit **paths[] = {&txtDialogs_Open_Path, &txtDialogs_Save_Path};
    QComboBox **views[] = {&cmbDialogs_Open_View, &cmbDialogs_Save_View};
    for (int i = 0; i < 2; ++i) {
        auto *frame = new QGroupBox(frames[i]);
        dialogs->addWidget(frame);
        auto *grid = new QGridLayout(frame);
        *paths[i] = new QLineEdit;
        tlbDialogs_Path[i] = new QToolBar;
        tlbDialogs_Path[i]->setIconSize(QSize(16, 16));
        tlbDialogs_Path[i]->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QString());
        auto *path = new QHBoxLayout;
        path->setContentsMargins(0, 0, 0, 0);
        path->setSpacing(0);
        path->addWidget(*paths[i], 1);
        path->addWidget(tlbDialogs_Path[i]);
        auto *pathBox = new QWidget;
        pathBox->setLayout(path);
        Row(grid, QStringLiteral("Путь по умолчанию"), pathBox);
        *views[i] = List(ViewItems);
        Row(grid, QStringLiteral("Вид файлов и папок"), *views[i]);
        grid->setColumnStretch(1, 1);
    }
    chcDialogs_Equal = Check(QStringLiteral("Синхронизировать путь к файлам для диалогов открытия и сохранения файлов"),
                             dialogs);
    auto *codeGrid = new QGridLayout;
    dialogs->addLayout(codeGrid);
    txtDialogs_CodeMax = NumberBox();
    Row(codeGrid, QStringLiteral("Максимальная длина текста для просмотра в окне изменения кодировки"),
        txtDialogs_CodeMax, true);
    codeGrid->setColumnStretch(0, 1);
    dialogs->addStretch(1);

    QVBoxLayout *work = page(4, QStringLiteral("Работа с файлами и документами"));
    QGroupBox *magazine = Frame(QStringLiteral("Журнал файлов"), work);
    auto *count = new QGridLayout;
    static_cast<QVBoxLayout *>(magazine->layout())->addLayout(count);
    txtFiles_Magazin_Count = NumberBox();
    Row(count, QStringLiteral("Количество файлов в журнале"), txtFiles_Magazin_Count);
    count->setColumnStretch(2, 1);
    chcFiles_Magazin_Clear = Check(QStringLiteral("Очищать журнал при запуске программы"), magazine->layout());
    auto *codeRow = new QGridLayout;
    work->addLayout(codeRow);
    cmbFiles_SaveCode = List({QStringLiteral("В исходной кодировке файла"), QStringLiteral("В текущей кодировке"),
                              QStringLiteral("В кодировке Windows")});
    Row(codeRow, QStringLiteral("Сохранять в кодировке"), cmbFiles_SaveCode);
    codeRow->setColumnStretch(1, 1);
    chcFiles_F2 = Check(QStringLiteral("Сохранять документ по \"F2\""), work);
    work->addStretch(1);

    QVBoxLayout *view = page(41, QStringLiteral("Просмотр документов в браузере"));
    const QString inner = QStringLiteral("При просмотре во встроенном в программу браузере");
    const QString outer = QStringLiteral("При просмотре во внешнем браузере");
    QGroupBox *save = Frame(QStringLiteral("Сохранять документ"), view);
    chcFiles_View_SaveInner = Check(inner, save->layout());
    chcFiles_View_SaveOuter = Check(outer, save->layout());
    QGroupBox *open = Frame(QStringLiteral("Открывать временный HTML-файл"), view);
    chcFiles_View_OpenInner = Check(inner, open->layout());
    chcFiles_View_OpenOuter = Check(outer, open->layout());
    QGroupBox *server = Frame(QStringLiteral("Имитация работы сервера"), view);
    chcFiles_View_ServerInner = Check(inner, server->layout());
    chcFiles_View_ServerOuter = Check(outer, server->layout());
    view->addStretch(1);

    QVBoxLayout *text = page(5, QStringLiteral("Работа с текстом"));
    chcText_Default = Check(
        QStringLiteral("Использовать как основу для подцветки синтаксиса всех языков файл default.ini"), text);
    chcText_NoPrint = Check(QStringLiteral("Видимость непечатных символов (пробелы и табуляторы) настраивать по "
                                           "предыдущему документу"),
                            text);
    chcText_PrintSetup = Check(QStringLiteral("При печати показывать диалог настройки печати"), text);
    text->addStretch(1);
}

// The window keeps its size: the tree down the left, the page beside it, the buttons below the page.
void frmSetting::picBox_Resize()
{
    Place(trvSetting, 0, PageTop, TreeWidth, PageHeight);
    const int buttonTop = PageTop + PageHeight + ButtonGap;
    const int cancelLeft = BoxWidth - ButtonWidth;
    Place(cmmCancel, cancelLeft, buttonTop, ButtonWidth, ButtonHeight);
    Place(cmmUpdate, cancelLeft - ButtonGap - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
}

void frmSetting::Form_Load()
{
    ShowSettingPage(0);
    mdlSetting::SettingUpdated = false;
    mdlSetting::InitSettingForm(*this);
}

void frmSetting::ShowSettingPage(int index)
{
    for (auto page = picInfo.cbegin(); page != picInfo.cend(); ++page) {
        if (page.key() == index) {
            Place(page.value(), PageLeft, PageTop, PageWidth, PageHeight);
            page.value()->show();
        } else {
            page.value()->hide();
        }
    }
}

void frmSetting::trvSetting_NodeClick(QTreeWidgetItem *node)
{
    if (node)
        ShowSettingPage(PageOfKey(node->data(0, KeyRole).toString()));
}

// Collapsing a branch shows the branch's own page.
void frmSetting::trvSetting_Collapse(QTreeWidgetItem *node)
{
    {
        const QSignalBlocker blocker(trvSetting);
        trvSetting->setCurrentItem(node);
    }
    trvSetting_NodeClick(node);
}

void frmSetting::tlbDialogs_Path_ButtonClick(int index)
{
    const QString title = index == 0 ? QStringLiteral("Выбор каталога для открытия файлов")
                                     : QStringLiteral("Выбор каталога для сохранения файлов");
    QLineEdit *box = index == 0 ? txtDialogs_Open_Path : txtDialogs_Save_Path;
    // The picker starts where the box points, so that a nearby folder is a click or two away.
    const QString folder = mdlLibrary::BrowseFolder(this, title, box->text());
    // Only the empty answer is a cancel: "/" is a folder like any other.
    if (!folder.isEmpty())
        box->setText(folder);
}

void frmSetting::chcStart_New_Click()
{
    const bool on = chcStart_New->isChecked();
    for (QRadioButton *option : optStart_New)
        option->setEnabled(on);
    if (!on) {
        for (QComboBox *list : cmbStart_New)
            list->setEnabled(false);
        return;
    }
    const int option = StartNewEmpty ? 0 : 1;
    optStart_New[option]->setChecked(true);
    optStart_New_Click(option);
}

void frmSetting::optStart_New_Click(int index)
{
    StartNewEmpty = index == 0;
    cmbStart_New[0]->setEnabled(StartNewEmpty);
    cmbStart_New[1]->setEnabled(!StartNewEmpty);
}

void frmSetting::cmmUpdate_Click()
{
    // Enter presses this button while a box may still have the focus: every box is limited first, as if
    // it had lost it.
    for (QLineEdit *box : {txtDialogs_CodeMax, txtDialogs_Open_Path, txtDialogs_Save_Path, txtFiles_Magazin_Count,
                           txtMain_Files_LenFile})
        txt_LostFocus(box);
    mdlSetting::SettingUpdated = true;
    mdlSetting::ApplySettingForm(*this);
    mdlLoad::UnloadForm(forms::frmSetting);
}

void frmSetting::cmmCancel_Click()
{
    mdlLoad::UnloadForm(forms::frmSetting);
}

void frmSetting::reject()
{
    cmmCancel_Click();
}

void frmSetting::closeEvent(QCloseEvent *event)
{
    event->accept();
    // The close box unloads the window too, so that the next opening loads it afresh.
    if (forms::frmSetting.loaded() == this)
        mdlLoad::UnloadForm(forms::frmSetting);
}

void frmSetting::txt_GotFocus(QLineEdit *box)
{
    box->selectAll();
}

void frmSetting::txt_LostFocus(QLineEdit *box)
{
    if (box == txtDialogs_CodeMax)
        box->setText(mdlSetting::ClampNumberText(box->text(), mdlLoad::CodeMaxlenRange));
    else if (box == txtFiles_Magazin_Count)
        box->setText(mdlSetting::ClampNumberText(box->text(), mdlLoad::MaxMagazineRange));
    else if (box == txtMain_Files_LenFile)
        box->setText(mdlSetting::ClampNumberText(box->text(), mdlLoad::FilenameMaxRange));
    else if (box == txtDialogs_Open_Path)
        box->setText(mdlSetting::CheckFolderText(box->text(), mdlLoad::PathOpen));
    else if (box == txtDialogs_Save_Path)
        box->setText(mdlSetting::CheckFolderText(box->text(), mdlLoad::PathSave));
}

bool frmSetting::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // The window's own activation moves no focus between its controls (the folder picker opening
        // over it, for one).
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto *box = static_cast<QLineEdit *>(watched);
            if (event->type() == QEvent::FocusIn)
                txt_GotFocus(box);
            else
                txt_LostFocus(box);
        }
    }
    return QDialog::eventFilter(watched, event);
}
