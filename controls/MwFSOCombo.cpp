#include "controls/MwFSOCombo.h"

#include "controls/MwFSOFolders.h"
#include "controls/MwFSOPaths.h"
#include "platform/widgets/ClippedTextTip.h"

#include <QLayout>
#include <QComboBox>
#include <QStyledItemDelegate>

namespace MwFSO {

namespace {

// Stands for "some path other than the computer" when a refresh must make the computer a change.
const QString NotTheComputer = QStringLiteral("/");

// Indents each item of the drop-down list by its level.
class LevelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.adjust(Step * index.data(ItemLevelRole).toInt(), 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + Step * index.data(ItemLevelRole).toInt(), size.height()};
    }

private:
    static constexpr int Step = 10;
};

} // namespace

MwFSOCombo::MwFSOCombo(QWidget *parent) : FileSystemControl(parent), combo_(new QComboBox(this))
{
    combo_->setIconSize(QSize(16, 16));
    combo_->setItemDelegate(new LevelDelegate(combo_));
    combo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout()->addWidget(combo_);
    WatchView(combo_, nullptr);
    FillComboRoot(*combo_, Fso());
    ClippedTextTip::Attach(combo_);
    // Only a pick by the user: selecting from code never reports one.
    connect(combo_, &QComboBox::activated, this, &MwFSOCombo::Picked);
}

bool MwFSOCombo::HasSelectedItem() const
{
    return combo_->currentIndex() >= 0;
}

void MwFSOCombo::Picked(int index)
{
    if (index >= 0)
        RaiseItem(QStringLiteral("ItemClick"), combo_->itemData(index, ItemKeyRole).toString());
}

void MwFSOCombo::SetPath(const QString &value)
{
    const Hourglass wait(this, combo_);
    QString path = value;
    if (path == current_)
        return;
    NormalizePath(path);
    if (path == current_)
        return;
    if (!path.isEmpty()) {
        if (CurrentDriveLost(Fso(), ComboDrives(*combo_), current_, path)) {
            SetPath(QString());
            return;
        }
        if (!Ask<bool>([&] { return Fso().FolderExists(path); }))
            return;
        // A drive mounted since the drives were read: read them again (the chain follows below).
        if (!KnowsDriveOf(Fso(), ComboDrives(*combo_), path))
            FillComboRoot(*combo_, Fso());
    }
    ClearComboPath(*combo_);
    if (path.isEmpty()) {
        const QSignalBlocker quiet(combo_);
        combo_->setCurrentIndex(0);
    } else {
        const QString spelled = Ask<QString>([&] { return Fso().GetFolderInfoStr(path, FolderInfoPath); });
        if (!spelled.isEmpty())
            path = WithSeparator(spelled);
        FillComboPath(path, *combo_, Fso());
    }
    const QString reached = combo_->itemData(combo_->currentIndex(), ItemKeyRole).toString();
    if (reached == current_)
        return;
    current_ = reached;
    NextGeneration();
    Changed(QStringLiteral("Path"));
    RaiseItem(QStringLiteral("ItemGoto"), current_);
}

void MwFSOCombo::Refresh()
{
    if (!current_.isEmpty()) {
        QString path = current_;
        NormalizePath(path);
        const QString existing = GetExistingFolder(Fso(), path);
        if (!existing.isEmpty()) {
            current_.clear();
            SetPath(existing);
            return;
        }
    }
    current_ = NotTheComputer;
    SetPath(QString());
}

} // namespace MwFSO
