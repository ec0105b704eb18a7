#include "platform/shell/FolderPicker.h"

#include "platform/dialogs/MessageBox.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QListView>
#include <QLocale>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace platform::shell {

namespace {

// The file model's fourth column, "Дата изменения".
constexpr int ModifiedColumn = 3;

// Qt's file model writes its dates in the system's locale; the program's is Russian whatever the
// system's, so the picker's details take them from the model's times instead.
class ProgramLocaleDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || index.column() != ModifiedColumn)
            return QIdentityProxyModel::data(index, role);
        const auto *files = static_cast<const QFileSystemModel *>(sourceModel());
        return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
    }
};

// Qt sizes the details view's date column for the text of an American date, without the cell's margins,
// and its name column for 26 letters "w", so that a Russian date can run out of sight. The date column takes what a date
// needs, and the name column what is left beside the others.
void FitColumns(QTreeView &details)
{
    const QString widest = QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(20, 58)), QLocale::ShortFormat);
    const int margins = 2 * (details.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &details) + 1);
    const int width = details.fontMetrics().horizontalAdvance(widest) + margins;
    QHeaderView *header = details.header();
    header->resizeSection(ModifiedColumn, std::max(header->sectionSize(ModifiedColumn), width));
    header->setSectionResizeMode(0, QHeaderView::Stretch);
}

} // namespace

QString BrowseFolder(QWidget *owner, const QString &title, const QString &startFolder)
{
    // The picker that QFileDialog::getExistingDirectory shows, made here so that a test can answer it. It
    // is Qt's own, never the desktop's, which would speak the system's language.
    QFileDialog picker(owner, title);
    picker.setOption(QFileDialog::DontUseNativeDialog);
    picker.setProxyModel(new ProgramLocaleDates(&picker));
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    if (!startFolder.isEmpty() && QFileInfo(startFolder).isDir())
        picker.setDirectory(startFolder);
    if (auto *details = picker.findChild<QTreeView *>(QStringLiteral("treeView")))
        FitColumns(*details);
    // The list of places at the left starts narrower than its Russian names ("Компьютер").
    if (auto *places = picker.findChild<QListView *>(QStringLiteral("sidebar")))
        places->setMinimumWidth(places->sizeHintForColumn(0) + 2 * places->frameWidth() +
                                places->verticalScrollBar()->sizeHint().width());
    if (dialogs::ShowModal(picker) != QDialog::Accepted)
        return {};
    return picker.selectedFiles().value(0);
}

} // namespace platform::shell
