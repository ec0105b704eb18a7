#include "app/dialogs/FolderPane.h"

#include "app/dialogs/MwFSOControls.h"
#include "platform/forms/Twips.h"
#include "platform/widgets/ToolBar.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace fso = MwFSOControls;

// The pane's designed distances are twips, the remainder of a pixel dropped, as in the frame around it.
using platform::forms::PixelsTowardZero;

namespace {

struct ViewButton {
    const char *key;
    const char *toolTip; // UTF-8
    QStyle::StandardPixmap picture;
    int typeView;
};

const ViewButton Buttons[] = {
    {"updir", "На уровень вверх", QStyle::SP_FileDialogToParent, 0},
    {"refresh", "Обновить", QStyle::SP_BrowserReload, 0},
    {"icons", "Крупные значки", QStyle::SP_FileDialogContentsView, fso::ElementTypeViewIcon},
    {"small", "Мелкие значки", QStyle::SP_FileDialogInfoView, fso::ElementTypeViewSmallIcon},
    {"list", "Список", QStyle::SP_FileDialogListView, fso::ElementTypeViewList},
    {"detals", "Подробная информация", QStyle::SP_FileDialogDetailedView, fso::ElementTypeViewReport},
};

int TypeViewOf(const QString &key)
{
    for (const ViewButton &button : Buttons)
        if (key == QLatin1StringView(button.key))
            return button.typeView;
    return 0;
}

} // namespace

FolderPane::FolderPane(QString &typeView, QWidget *parent)
    : QWidget(parent)
    , typeView_(typeView)
    , cmbDrive_(fso::CLSID_MwFSOCombo, fso::TreeOrCombo::Path, this)
    , lstDirFiles_(fso::CLSID_MwFSOList, fso::List::Path, this)
{
    tlbMenu = new ToolBar(this);
    for (const ViewButton &button : Buttons) {
        const QString key = QLatin1StringView(button.key);
        QAction *action = tlbMenu->addAction(style()->standardIcon(button.picture), QString());
        action->setObjectName(key);
        action->setToolTip(QString::fromUtf8(button.toolTip));
        connect(action, &QAction::triggered, this, [this, key] { tlbMenu_ButtonClick(key); });
    }

    auto *top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(PixelsTowardZero(100));
    top->addWidget(cmbDrive_.place, 1);
    // Every button stays in sight: the drive combo gives way, never the tool bar.
    tlbMenu->setMinimumWidth(tlbMenu->sizeHint().width());
    top->addWidget(tlbMenu);

    fields_ = new QGridLayout;
    fields_->setContentsMargins(0, 0, 0, 0);
    fields_->setHorizontalSpacing(PixelsTowardZero(160));
    fields_->setVerticalSpacing(PixelsTowardZero(40));
    fields_->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(PixelsTowardZero(60));
    layout->addLayout(top);
    layout->addWidget(lstDirFiles_.place, 1);
    layout->addLayout(fields_);
}

FolderPane::~FolderPane() = default;

void FolderPane::OnDriveEvent(platform::components::DispId id, ItemHandler handler)
{
    cmbDrive_.OnItemEvent(id, std::move(handler));
}

void FolderPane::OnListEvent(platform::components::DispId id, ItemHandler handler)
{
    lstDirFiles_.OnItemEvent(id, std::move(handler));
}

QString FolderPane::DrivePath() const
{
    return cmbDrive_.Path();
}

void FolderPane::SetDrivePath(const QString &path)
{
    cmbDrive_.SetPath(path);
}

QString FolderPane::ListPath() const
{
    return lstDirFiles_.Path();
}

void FolderPane::SetListPath(const QString &path)
{
    lstDirFiles_.SetPath(path);
}

void FolderPane::SetPattern(const QString &pattern)
{
    lstDirFiles_.Put(fso::List::Pattern, pattern);
}

void FolderPane::ShowFolder(const QString &folder)
{
    if (DrivePath() == folder)
        cmbDrive_.Call(fso::TreeOrCombo::Refresh);
    else
        SetDrivePath(folder);
    if (ListPath() == folder)
        lstDirFiles_.Call(fso::List::Refresh);
    else
        SetListPath(folder);
}

void FolderPane::ApplyTypeView(const QString &key)
{
    if (const int view = TypeViewOf(key); view > 0)
        lstDirFiles_.Put(fso::List::TypeView, std::int32_t(view));
}

void FolderPane::AddField(QLabel *label, QWidget *field)
{
    const int row = fields_->rowCount();
    fields_->addWidget(label, row, 0);
    fields_->addWidget(field, row, 1);
}

void FolderPane::FocusList()
{
    if (QWidget *list = lstDirFiles_.Widget())
        list->setFocus();
}

void FolderPane::tlbMenu_ButtonClick(const QString &key)
{
    if (key == u"updir") {
        GoUp();
    } else if (key == u"refresh") {
        RefreshFolder();
    } else if (TypeViewOf(key) > 0) {
        ApplyTypeView(key);
        typeView_ = key;
    }
}

void FolderPane::GoUp()
{
    SetDrivePath(fso::FolderUp(DrivePath()));
    SetListPath(DrivePath());
}

void FolderPane::RefreshFolder()
{
    const QString before = DrivePath();
    cmbDrive_.Call(fso::TreeOrCombo::Refresh);
    const QString after = DrivePath();
    if (after != before)
        SetListPath(after);
    else
        lstDirFiles_.Call(fso::List::Refresh);
}
