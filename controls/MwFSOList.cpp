#include "controls/MwFSOList.h"

#include "controls/MwFSODrives.h"
#include "controls/MwFSOFiles.h"
#include "controls/MwFSOListLayout.h"
#include "controls/MwFSOPaths.h"

#include "platform/keys/KeyCodes.h"

#include <QLayout>
#include <QHeaderView>
#include <QListView>
#include <QStackedWidget>
#include <QTreeView>

namespace MwFSO {

namespace {

// Stands for "some path other than the drive view" when a refresh must make the drive view a change;
// also the folder that a host's saved design shows before its saved path.
const QString FirstDrive = QStringLiteral("/");

// One trailing "/" off a key of two characters or more.
QString WithoutSeparator(const QString &key)
{
    return key.size() >= 2 && key.endsWith(QLatin1Char('/')) ? key.chopped(1) : key;
}

} // namespace

MwFSOList::MwFSOList(QWidget *parent)
    : FileSystemControl(parent)
    , model_(new FileListModel(Fso(), this))
    , stack_(new QStackedWidget(this))
    , list_(new QListView(stack_))
    , report_(new QTreeView(stack_))
{
    list_->setModel(model_);
    list_->setItemDelegate(new ListDelegate(list_));
    list_->setLayoutMode(QListView::Batched);
    list_->setBatchSize(500);
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setTextElideMode(Qt::ElideRight);

    report_->setModel(model_);
    QItemSelectionModel *own = report_->selectionModel();
    report_->setSelectionModel(list_->selectionModel());
    delete own;
    report_->setRootIsDecorated(false);
    report_->setItemsExpandable(false);
    report_->setUniformRowHeights(true);
    report_->setAllColumnsShowFocus(true);
    report_->setIconSize(QSize(16, 16));
    report_->header()->setSectionsClickable(false);
    listLayout_ = new ListLayout(list_, report_, model_);

    stack_->addWidget(list_);
    stack_->addWidget(report_);
    layout()->addWidget(stack_);
    WatchView(list_, list_->viewport());
    WatchView(report_, report_->viewport());
    SetTypeView(view_);

    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &index) {
        if (!quiet_ && index.isValid())
            ItemClicked(index.row());
    });
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(list_), static_cast<QAbstractItemView *>(report_)}) {
        // A click on the item that is already current still delivers a pending right press.
        connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
            if (index.isValid() && index.row() == SelectedRow())
                ItemClicked(index.row());
        });
        connect(view, &QAbstractItemView::doubleClicked, this, [this] { DoubleClick(); });
    }
}

QWidget *MwFSOList::CurrentView() const
{
    return stack_->currentWidget();
}

int MwFSOList::SelectedRow() const
{
    const QModelIndex current = list_->selectionModel()->currentIndex();
    return current.isValid() && list_->selectionModel()->isSelected(current) ? current.row() : -1;
}

bool MwFSOList::HasSelectedItem() const
{
    return model_->Count() > 0 && SelectedRow() >= 0;
}

void MwFSOList::SelectQuietly(int row)
{
    quiet_ = true;
    if (row < 0)
        list_->selectionModel()->clear();
    else
        list_->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    quiet_ = false;
}

void MwFSOList::SetPath(const QString &value)
{
    const Hourglass wait(this, CurrentView());
    QString path = value;
    NormalizePath(path);
    if (path == current_)
        return;
    if (!path.isEmpty()) {
        if (!Ask<bool>([&] { return Fso().FolderExists(path); })) {
            // The folder shown has gone as well: fall back to the drives.
            if (!current_.isEmpty() && !Ask<bool>([&] { return Fso().FolderExists(current_); })) {
                ClearRightClick();
                SetPath(QString());
            }
            return;
        }
        const QString spelled = Ask<QString>([&] { return Fso().GetFolderInfoStr(path, FolderInfoPath); });
        if (!spelled.isEmpty())
            path = WithSeparator(spelled);
        if (path == current_)
            return;
    }
    bool filled;
    {
        const RedrawFreeze frozen(CurrentView());
        filled = FillFileList(path, pattern_, *model_, Fso());
    }
    if (!filled) {
        if (current_.isEmpty())
            FillFileList(QString(), pattern_, *model_, Fso());
        else
            SetPath(QString());
        return;
    }
    current_ = path;
    NextGeneration();
    const quint64 generation = Generation();
    SelectQuietly(model_->Count() > 0 ? 0 : -1);
    RaiseItem(QStringLiteral("ItemGoto"), current_);
    if (Generation() != generation)
        return;
    if (HasSelectedItem()) {
        lastClicked_ = model_->FullPath(SelectedRow());
        RaiseItem(QStringLiteral("ItemClick"), lastClicked_);
        if (Generation() != generation)
            return;
    }
    SetTypeView(view_);
    Changed(QStringLiteral("Path"));
}

void MwFSOList::SetPattern(const QString &pattern)
{
    pattern_ = pattern;
    Refresh();
    Changed(QStringLiteral("Pattern"));
}

void MwFSOList::SetTypeView(qint32 view)
{
    const Hourglass wait(this, CurrentView());
    view_ = view;
    QWidget *shown = list_;
    switch (view) {
    case ElementTypeViewIcon:
        model_->SetLargeIcons(true);
        list_->setViewMode(QListView::IconMode);
        list_->setFlow(QListView::LeftToRight);
        list_->setIconSize(QSize(32, 32));
        listLayout_->FitGrid();
        list_->setWordWrap(true);
        break;
    case ElementTypeViewSmallIcon:
    case ElementTypeViewList:
        model_->SetLargeIcons(false);
        list_->setViewMode(QListView::ListMode);
        list_->setIconSize(QSize(16, 16));
        list_->setGridSize(QSize());
        list_->setWordWrap(false);
        list_->setFlow(view == ElementTypeViewList ? QListView::TopToBottom : QListView::LeftToRight);
        list_->setWrapping(true);
        break;
    case ElementTypeViewReport:
        model_->SetLargeIcons(false);
        listLayout_->FitColumns();
        shown = report_;
        break;
    default:
        shown = nullptr; // stored, the view stays as it is
        break;
    }
    if (shown && shown != stack_->currentWidget()) {
        const bool focused = stack_->currentWidget() && stack_->currentWidget()->hasFocus();
        stack_->setCurrentWidget(shown);
        if (focused)
            shown->setFocus();
    }
    Changed(QStringLiteral("TypeView"));
}

bool MwFSOList::GotoUp()
{
    QString target;
    if (!current_.isEmpty() && !IsDriveRoot(current_)
        && Ask<bool>([&] { return Fso().FolderExistParent(current_); }))
        target = WithSeparator(Ask<QString>([&] { return Fso().GetFolderParent(current_); }));
    if (target == current_)
        return false;
    SetPath(target);
    return true;
}

void MwFSOList::Refresh()
{
    if (current_.isEmpty()) {
        current_ = FirstDrive;
        SetPath(QString());
        return;
    }
    const QString existing = GetExistingFolder(Fso(), current_);
    if (!existing.isEmpty())
        current_.clear();
    SetPath(existing);
}

void MwFSOList::LoadStart()
{
    current_ = FirstDrive;
}

QString MwFSOList::Selected(qint32 *type) const
{
    const int row = HasSelectedItem() ? SelectedRow() : -1;
    qint32 kind = ElementTypePathNothing;
    QString result;
    if (row >= 0) {
        const QString key = model_->Item(row).Key;
        if (key.isEmpty()) {
            kind = ElementTypePathComputer;
        } else if (!key.endsWith(QLatin1Char('/'))) {
            kind = ElementTypePathFile;
            result = key;
        } else if (!model_->Folder().isEmpty()) {
            kind = ElementTypePathFolder;
            result = key.chopped(1);
        } else {
            kind = ElementTypePathDrive;
            result = key;
        }
    }
    if (type)
        *type = kind;
    return result;
}

bool MwFSOList::Selecting(const QString &key, bool isPath)
{
    if (model_->Count() == 0)
        return false;
    QString name = key;
    if (isPath)
        name = IsDriveRoot(name) ? WithoutSeparator(name) : LastComponent(name);
    if (name.isEmpty())
        return false;
    for (int row = 0; row < model_->Count(); ++row) {
        const QString itemKey = model_->Item(row).Key;
        if (!itemKey.isEmpty() && WithoutSeparator(itemKey) == name) {
            SelectQuietly(row);
            ItemClicked(row);
            return true;
        }
    }
    return false;
}

void MwFSOList::ItemClicked(int row)
{
    if (row < 0 || row >= model_->Count())
        return;
    const QString full = model_->FullPath(row);
    if (full != lastClicked_) {
        lastClicked_ = full;
        const quint64 generation = Generation();
        RaiseItem(QStringLiteral("ItemClick"), full);
        if (Generation() != generation)
            return;
    }
    DeliverRightClick(full);
}

void MwFSOList::DoubleClick()
{
    if (!HasSelectedItem())
        return;
    const QString full = model_->FullPath(SelectedRow());
    ClearRightClick();
    RaiseItem(QStringLiteral("ItemDblClick"), full);
}

void MwFSOList::KeyDownDone(qint16 keyCode, qint16 shift)
{
    if (keyCode == platform::keys::VK_RETURN && shift == 0)
        DoubleClick();
}

} // namespace MwFSO
