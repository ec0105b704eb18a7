#pragma once

#include "controls/MwFSOControlClasses.h"

class QListView;
class QModelIndex;
class QStackedWidget;
class QTreeView;

namespace MwFSO {

class FileListModel;
class ListLayout;

// The file list: the subfolders and then the files of one folder that match `Pattern`, or the drives for
// the empty path, in the views large icons, small icons, list and details. It reports clicks, double
// clicks (and Enter) and navigation with ItemClick, ItemDblClick, ItemGoto and ItemRightClick, and its
// keys with KeyDown, KeyPress and KeyUp; it never enters a folder or opens a file by itself.
class MwFSOList : public FileSystemControl {
    Q_OBJECT

public:
    explicit MwFSOList(QWidget *parent = nullptr);

    QString Path() const { return current_; }
    void SetPath(const QString &path);
    QString Pattern() const { return pattern_; }
    void SetPattern(const QString &pattern);
    qint32 TypeView() const { return view_; }
    void SetTypeView(qint32 view);
    // To the parent folder, or from a drive root to the drive view; false when that is no move.
    bool GotoUp();
    void Refresh() override;
    // The selected item's name (a folder's without "/", a drive's root) and kind; empty and 0 for none.
    QString Selected(qint32 *type) const;
    // Selects the item named `key`, or named like the last part of the path `key`; false when none is.
    bool Selecting(const QString &key, bool isPath);
    // The saved path of a host's design comes after the pattern, which shows this folder first.
    void LoadStart();

    FileListModel *Model() const { return model_; }
    QListView *ListView() const { return list_; }
    QTreeView *ReportView() const { return report_; }
    QWidget *CurrentView() const;

protected:
    bool HasSelectedItem() const override;
    void KeyDownDone(qint16 keyCode, qint16 shift) override;

private:
    int SelectedRow() const;
    void SelectQuietly(int row);
    void ItemClicked(int row);
    void DoubleClick();

    FileListModel *model_;
    QStackedWidget *stack_;
    QListView *list_;
    QTreeView *report_;
    ListLayout *listLayout_;
    QString current_;
    QString lastClicked_;
    QString pattern_ = QStringLiteral("*.*");
    qint32 view_ = ElementTypeViewIcon;
    bool quiet_ = false;
};

} // namespace MwFSO
