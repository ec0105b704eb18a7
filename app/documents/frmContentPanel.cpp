// The document window's tool panel: a narrow strip of buttons at the window's left, the editor beside it.
#include "app/documents/frmContent.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlLanguage.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/widgets/Pictures.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QToolBar>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <iterator>

namespace {

mdlFile::DocumentRecord &RecordOf(const frmContent &window)
{
    return mdlFile::DocumentRecords[window.Tag()];
}

// Sends a key to the editor as if it were typed there.
void SendKey(frmContent &window, Qt::Key key)
{
    QWidget *target = window.txtContent->Control();
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

// "left" takes one tab, or a tab's width of spaces, from every line; "right" adds one tab to each.
void ShiftBlock(frmContent &window, bool left)
{
    platform::editor::Editor &editor = *window.txtContent;
    const int tabSize = mdlLanguage::TabSizeOf(RecordOf(window).Language);
    window.SelectLineText();
    const QString lines = editor.SelText();
    editor.SetSelText(left ? mdlLibrary::ShiftLines(lines, tabSize) : mdlLibrary::TabBlock(lines, false));
}

void CreateBookmark(frmContent &window)
{
    if (!window.txtContent->GetBookmark(window.PositionLine()))
        window.txtContent->SetBookmark(window.PositionLine(), true);
}

void DeleteBookmark(frmContent &window)
{
    platform::editor::Editor &editor = *window.txtContent;
    const int line = window.PositionLine();
    if (editor.GetBookmark(line)) {
        QList<int> lines = editor.GetAllBookmarks();
        std::replace(lines.begin(), lines.end(), line, -1);
        editor.SetAllBookmarks(lines);
    }
}

// The buttons in their order, by key; a group after the first starts with a separator. An editor button
// does nothing while the preview is shown and gives the editor the focus before it acts.
struct PanelButtonDesign {
    const char *key;
    const char *toolTip;
    bool groupStart;
    bool editor;
    void (*click)(frmContent &window);
};
const PanelButtonDesign PanelButtons[] = {
    {"viewmode", "Режим редактора / просмотра", false, false, [](frmContent &w) { w.ChangeView(); }},
    {"browser", "Просмотр в броузере по умолчанию", false, false, [](frmContent &w) { w.ViewBrowser(); }},
    {"number", "Показать / скрыть номера строк", true, true,
     [](frmContent &w) { w.txtContent->SetLineNumbering(!w.txtContent->LineNumbering()); }},
    {"space", "Показать / скрыть непечатные символы", false, true,
     [](frmContent &w) { w.ViewSpaceChange(!RecordOf(w).ViewSpace); }},
    {"visible", "Скрыть рабочую панель окна", false, false,
     [](frmContent &) { forms::frmMain->mnuView_WorkPanel_Click(); }},
    {"left", "Сдвинуть влево", true, true, [](frmContent &w) { ShiftBlock(w, true); }},
    {"right", "Сдвинуть вправо", false, true, [](frmContent &w) { ShiftBlock(w, false); }},
    {"first", "Перейти к первой строке", true, true, [](frmContent &w) { w.PositionCursor(0, 0); }},
    {"up", "Подняться вверх (Page Up)", false, true, [](frmContent &w) { SendKey(w, Qt::Key_PageUp); }},
    {"down", "Опуститься вниз (Page Down)", false, true, [](frmContent &w) { SendKey(w, Qt::Key_PageDown); }},
    {"last", "Перейти к последней строке", false, true,
     [](frmContent &w) { w.PositionCursor(w.txtContent->LineCount(), 0); }},
    {"create", "Создать закладку", true, true, CreateBookmark},
    {"delete", "Удалить закладку", false, true, DeleteBookmark},
    {"previous", "Перейти к предыдущей закладке", false, true,
     [](frmContent &w) { w.txtContent->ExecuteCmd(platform::editor::CmdBookmarkPrev); }},
    {"next", "Перейти к следующей закладке", false, true,
     [](frmContent &w) { w.txtContent->ExecuteCmd(platform::editor::CmdBookmarkNext); }},
};

} // namespace

void frmContent::CreatePanel()
{
    tlbPanel = new QToolBar(this);
    tlbPanel->setOrientation(Qt::Vertical);
    tlbPanel->setIconSize(QSize(16, 16));
    for (const PanelButtonDesign &design : PanelButtons) {
        const QString key = QString::fromLatin1(design.key);
        if (design.groupStart)
            tlbPanel->addSeparator();
        QAction *button = tlbPanel->addAction(
            platform::widgets::LoadIcon(mdlLoad::SettingFolder + QStringLiteral("docpanel_") + key + QStringLiteral(".png")),
            QString::fromUtf8(design.toolTip));
        button->setObjectName(key);
        connect(button, &QAction::triggered, this, [this, key] { tlbPanel_ButtonClick(key); });
    }
    PanelButton(QStringLiteral("viewmode"))->setCheckable(true);
    PanelButton(QStringLiteral("space"))->setCheckable(true);
    // As wide as one button and a little room round it.
    tlbPanel->setFixedWidth(tlbPanel->sizeHint().width());
}

QAction *frmContent::PanelButton(const QString &key) const
{
    return tlbPanel->findChild<QAction *>(key, Qt::FindDirectChildrenOnly);
}

void frmContent::PanelVisible(bool newVisible)
{
    panel_visible = newVisible;
    tlbPanel->setVisible(newVisible);
    Form_Resize();
}

void frmContent::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmContent::Form_Resize()
{
    const QRect area = rect();
    if (area.isEmpty())
        return;
    // The strip runs down the whole window; buttons that do not fit go behind its extension arrow.
    tlbPanel->setGeometry(area.left(), area.top(), tlbPanel->width(), area.height());
    if (!panel_visible) {
        txtContent->setGeometry(area);
    } else {
        const int p = tlbPanel->x() + tlbPanel->width();
        if (p < area.width())
            txtContent->setGeometry(p, area.top(), area.width() - p, area.height());
    }
    // The preview takes exactly the editor's place.
    if (picBrowser)
        picBrowser->setGeometry(txtContent->geometry());
    RefreshCaptions();
}

void frmContent::tlbPanel_ButtonClick(const QString &key)
{
    const auto design = std::find_if(std::begin(PanelButtons), std::end(PanelButtons),
                                     [&](const PanelButtonDesign &button) { return key == QLatin1String(button.key); });
    if (design == std::end(PanelButtons))
        return;
    if (!design->editor) {
        design->click(*this);
        return;
    }
    if (browse_mode) {
        // The checkable button flipped itself on a click that does nothing.
        PanelButton(QStringLiteral("space"))->setChecked(mdlFile::DocumentRecords[tag_].ViewSpace);
        return;
    }
    txtContent->Control()->setFocus();
    design->click(*this);
    // The caret may have moved without a key or a click in the editor.
    Change_Position();
}
