#include "app/dialogs/FolderPane.h"

#include "app/core/mdlLibrary.h"
#include "app/dialogs/FileDialogFrame.h"
#include "app/dialogs/MwFSOControls.h"
#include "platform/files/Drives.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace fso = MwFSOControls;
using platform::components::Arguments;
using platform::components::HostedControl;
using platform::components::Variant;

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

// A control of `clsid` in `place`; null, with the place left empty, when it cannot be created.
std::unique_ptr<HostedControl> Host(const platform::components::Guid &clsid, QWidget *place)
{
    auto *layout = new QVBoxLayout(place);
    layout->setContentsMargins(0, 0, 0, 0);
    std::unique_ptr<HostedControl> control = HostedControl::Create(clsid, place);
    if (control && control->Widget())
        layout->addWidget(control->Widget());
    return control;
}

void Subscribe(HostedControl *control, platform::components::DispId id, FolderPane::ItemHandler handler)
{
    if (!control)
        return;
    control->OnEvent(id, [handler = std::move(handler)](Arguments &args) {
        // The path belongs to the control for the length of the call: the handler gets its own copy.
        const QString path = args.value(0).ToString();
        handler(path, args.value(1).ToInt32());
    });
}

QString GetText(const HostedControl *control, platform::components::DispId id)
{
    return control ? control->Get(id).ToString() : QString();
}

void Put(HostedControl *control, platform::components::DispId id, const Variant &value)
{
    if (control)
        control->Put(id, value);
}

void Call(HostedControl *control, platform::components::DispId id)
{
    if (control)
        control->Call(id);
}

} // namespace

FolderPane::FolderPane(QString &typeView, QWidget *parent) : QWidget(parent), typeView_(typeView)
{
    auto *drivePlace = new QWidget(this);
    listPlace_ = new QWidget(this);
    cmbDrive_ = Host(fso::CLSID_MwFSOCombo, drivePlace);
    lstDirFiles_ = Host(fso::CLSID_MwFSOList, listPlace_);

    tlbMenu = new QToolBar(this);
    for (const ViewButton &button : Buttons) {
        const QString key = QLatin1StringView(button.key);
        QAction *action = tlbMenu->addAction(style()->standardIcon(button.picture), QString());
        action->setObjectName(key);
        action->setToolTip(QString::fromUtf8(button.toolTip));
        connect(action, &QAction::triggered, this, [this, key] { tlbMenu_ButtonClick(key); });
    }

    auto *top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(Pixels(100));
    top->addWidget(drivePlace, 1);
    // Every button stays in sight: the drive combo gives way, never the tool bar.
    tlbMenu->setMinimumWidth(tlbMenu->sizeHint().width());
    top->addWidget(tlbMenu);

    fields_ = new QGridLayout;
    fields_->setContentsMargins(0, 0, 0, 0);
    fields_->setHorizontalSpacing(Pixels(160));
    fields_->setVerticalSpacing(Pixels(40));
    fields_->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Pixels(60));
    layout->addLayout(top);
    layout->addWidget(listPlace_, 1);
    layout->addLayout(fields_);
}

FolderPane::~FolderPane() = default;

void FolderPane::OnDriveEvent(platform::components::DispId id, ItemHandler handler)
{
    Subscribe(cmbDrive_.get(), id, std::move(handler));
}

void FolderPane::OnListEvent(platform::components::DispId id, ItemHandler handler)
{
    Subscribe(lstDirFiles_.get(), id, std::move(handler));
}

QString FolderPane::DrivePath() const
{
    return GetText(cmbDrive_.get(), fso::TreeOrCombo::Path);
}

void FolderPane::SetDrivePath(const QString &path)
{
    Put(cmbDrive_.get(), fso::TreeOrCombo::Path, path);
}

QString FolderPane::ListPath() const
{
    return GetText(lstDirFiles_.get(), fso::List::Path);
}

void FolderPane::SetListPath(const QString &path)
{
    Put(lstDirFiles_.get(), fso::List::Path, path);
}

void FolderPane::SetPattern(const QString &pattern)
{
    Put(lstDirFiles_.get(), fso::List::Pattern, pattern);
}

void FolderPane::ShowFolder(const QString &folder)
{
    if (DrivePath() == folder)
        Call(cmbDrive_.get(), fso::TreeOrCombo::Refresh);
    else
        SetDrivePath(folder);
    if (ListPath() == folder)
        Call(lstDirFiles_.get(), fso::List::Refresh);
    else
        SetListPath(folder);
}

void FolderPane::ApplyTypeView(const QString &key)
{
    if (const int view = TypeViewOf(key); view > 0)
        Put(lstDirFiles_.get(), fso::List::TypeView, std::int32_t(view));
}

void FolderPane::AddField(QLabel *label, QWidget *field)
{
    const int row = fields_->rowCount();
    fields_->addWidget(label, row, 0);
    fields_->addWidget(field, row, 1);
}

void FolderPane::FocusList()
{
    if (lstDirFiles_ && lstDirFiles_->Widget())
        lstDirFiles_->Widget()->setFocus();
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
    const QString path = DrivePath();
    SetDrivePath(path.isEmpty() || platform::files::IsDriveRoot(path) ? QString()
                                                                      : mdlLibrary::GetPathPart(path, 1, 1, 1, 2, 1));
    SetListPath(DrivePath());
}

void FolderPane::RefreshFolder()
{
    const QString before = DrivePath();
    Call(cmbDrive_.get(), fso::TreeOrCombo::Refresh);
    const QString after = DrivePath();
    if (after != before)
        SetListPath(after);
    else
        Call(lstDirFiles_.get(), fso::List::Refresh);
}
