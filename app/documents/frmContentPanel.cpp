// The document window's tool panel: a narrow strip of buttons at the window's left, the editor beside it.
#include "app/documents/frmContent.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlLanguage.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QToolBar>
#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {

// The buttons in their order, by key; a group after the first starts with a separator.
struct PanelButtonDesign {
    const char *key;
    const char *toolTip;
    bool groupStart;
};
const PanelButtonDesign PanelButtons[] = {
    {"viewmode", "Режим редактора / просмотра", false},
    {"browser", "Просмотр в броузере по умолчанию", false},
    {"number", "Показать / скрыть номера строк", true},
    {"space", "Показать / скрыть непечатные символы", false},
    {"visible", "Скрыть рабочую панель окна", false},
    {"left", "Сдвинуть влево", true},
    {"right", "Сдвинуть вправо", false},
    {"first", "Перейти к первой строке", true},
    {"up", "Подняться вверх (Page Up)", false},
    {"down", "Опуститься вниз (Page Down)", false},
    {"last", "Перейти к последней строке", false},
    {"create", "Создать закладку", true},
    {"delete", "Удалить закладку", false},
    {"previous", "Перейти к предыдущей закладке", false},
    {"next", "Перейти к следующей закладке", false},
};

// Sends a key to the editor as if it were typed there.
void SendKey(QWidget *target, Qt::Key key)
{
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

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
            QIcon(mdlLoad::SettingFolder + QStringLiteral("docpanel_") + key + QStringLiteral(".png")),
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
    mdlFile::DocumentRecord &record = mdlFile::DocumentRecords[tag_];
    if (key == u"visible") {
        forms::frmMain->mnuView_WorkPanel_Click();
        return;
    }
    if (key == u"viewmode") {
        ChangeView();
        return;
    }
    if (key == u"browser") {
        ViewBrowser();
        return;
    }
    if (browse_mode) {
        PanelButton(QStringLiteral("space"))->setChecked(record.ViewSpace);
        return;
    }
    txtContent->Control()->setFocus();
    if (key == u"number") {
        txtContent->SetLineNumbering(!txtContent->LineNumbering());
    } else if (key == u"space") {
        ViewSpaceChange(!record.ViewSpace);
    } else if (key == u"left") {
        SelectLineText();
        txtContent->SetSelText(mdlLibrary::ShiftLines(txtContent->SelText(), mdlLanguage::TabSizeOf(record.Language)));
    } else if (key == u"right") {
        SelectLineText();
        txtContent->SetSelText(mdlLibrary::TabBlock(txtContent->SelText(), false));
    } else if (key == u"first") {
        PositionCursor(0, 0);
    } else if (key == u"up" || key == u"down") {
        SendKey(txtContent->Control(), key == u"up" ? Qt::Key_PageUp : Qt::Key_PageDown);
    } else if (key == u"last") {
        PositionCursor(txtContent->LineCount(), 0);
    } else if (key == u"create") {
        if (!txtContent->GetBookmark(PositionLine()))
            txtContent->SetBookmark(PositionLine(), true);
    } else if (key == u"delete") {
        const int line = PositionLine();
        if (txtContent->GetBookmark(line)) {
            QList<int> lines = txtContent->GetAllBookmarks();
            std::replace(lines.begin(), lines.end(), line, -1);
            txtContent->SetAllBookmarks(lines);
        }
    } else if (key == u"previous") {
        txtContent->ExecuteCmd(platform::editor::CmdBookmarkPrev);
    } else if (key == u"next") {
        txtContent->ExecuteCmd(platform::editor::CmdBookmarkNext);
    }
    // The caret may have moved without a key or a click in the editor.
    Change_Position();
}
