#pragma once

#include "app/dialogs/MwFSOHost.h"

#include <QString>
#include <QWidget>

class QGridLayout;
class QLabel;
class QToolBar;

// The disk page of the Open and Save dialogs (their picListFiles): the MwFSO drive and folder-chain
// combo `cmbDrive` with the tool bar `tlbMenu` beside it, the MwFSO file list `lstDirFiles` below, and
// the dialog's labelled fields at the bottom. A control that cannot be created leaves an empty place;
// its properties then read empty and its calls do nothing.
class FolderPane : public QWidget {
public:
    // `typeView` is the setting that the view buttons write ("icons", "small", "list", "detals").
    FolderPane(QString &typeView, QWidget *parent);
    ~FolderPane() override;

    using ItemHandler = MwFSOHost::ItemHandler;
    void OnDriveEvent(platform::components::DispId id, ItemHandler handler);
    void OnListEvent(platform::components::DispId id, ItemHandler handler);

    // Whether the file list control is there (its library registered).
    bool HasList() const { return lstDirFiles_.Created(); }

    QString DrivePath() const;
    void SetDrivePath(const QString &path);
    QString ListPath() const;
    void SetListPath(const QString &path);
    void SetPattern(const QString &pattern);

    // Shows `folder` in both controls: a control already there refreshes instead.
    void ShowFolder(const QString &folder);
    // Sets the list's view from a view setting; any other text leaves it as it is.
    void ApplyTypeView(const QString &key);
    // Adds a field with its label below the list; rows follow each other downwards.
    void AddField(QLabel *label, QWidget *field);
    void FocusList();

    QToolBar *tlbMenu = nullptr;

private:
    void tlbMenu_ButtonClick(const QString &key);
    // Up one folder; from a drive root or the computer level to the computer level.
    void GoUp();
    void RefreshFolder();

    QString &typeView_;
    MwFSOHost cmbDrive_;
    MwFSOHost lstDirFiles_;
    QGridLayout *fields_ = nullptr;
};
