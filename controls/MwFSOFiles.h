#pragma once

#include "controls/MwLibFSO.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The items of the file list: the drives, or the folders and then the files of one folder, with their
// icons and detail columns read only when a view shows them.
namespace MwFSO {

enum ListColumn { ColumnName, ColumnExt, ColumnSize, ColumnType, ColumnModified, ListColumnCount };

struct ListItem {
    QString Key;  // the name, "/" after a folder; a drive's root
    QString Text; // what the list shows
};

class FileListModel : public QAbstractTableModel {
public:
    explicit FileListModel(MwLibFSO &fso, QObject *parent = nullptr);

    // Replaces the items with those of `folder` (empty: the drive view).
    void SetItems(const QString &folder, QList<ListItem> items);
    const QString &Folder() const { return folder_; }
    const ListItem &Item(int row) const { return items_[row]; }
    int Count() const { return static_cast<int>(items_.size()); }
    // The folder followed by the item's key.
    QString FullPath(int row) const { return folder_ + items_[row].Key; }
    // Which icon size the items show: large for the icon view, small for the others.
    void SetLargeIcons(bool large);
    // Told the detail columns (extension, size, type, modified) of each item as they are read.
    using DetailsObserver = std::function<void(const QStringList &details)>;
    void SetDetailsObserver(DetailsObserver observer) { detailsRead_ = std::move(observer); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Extras {
        QIcon large;
        QIcon small;
        QStringList details; // extension, size, type, modified; empty until read
    };

    QIcon IconOf(int row) const;
    const QStringList &DetailsOf(int row) const;

    MwLibFSO &fso_;
    QString folder_;
    QList<ListItem> items_;
    mutable std::vector<Extras> extras_;
    DetailsObserver detailsRead_;
    bool large_ = true;
};

// The names of the files in `folder` that one of the masks of `pattern` (joined by ";") admits, sorted by
// name; hidden files are left out. "*.*" admits every name, as it does on Windows.
QStringList PatternFiles(const QString &folder, const QString &pattern);

// Fills `model` with the drives (empty `path`) or with the subfolders of `path`, sorted by name, and then
// its files that `pattern` admits; false when the folder cannot be listed.
bool FillFileList(const QString &path, const QString &pattern, FileListModel &model, MwLibFSO &fso);

} // namespace MwFSO
