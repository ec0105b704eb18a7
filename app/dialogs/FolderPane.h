#pragma once

#include "platform/components/HostedControl.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

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

    // An event of a control: the item's full path and its ElementTypePath.
    using ItemHandler = std::function<void(const QString &path, int typeItem)>;
    void OnDriveEvent(platform::components::DispId id, ItemHandler handler);
    void OnListEvent(platform::components::DispId id, ItemHandler handler);

    // Whether the file list control is there (its library registered).
    bool HasList() const { return lstDirFiles_ != nullptr; }

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
    std::unique_ptr<platform::components::HostedControl> cmbDrive_;
    std::unique_ptr<platform::components::HostedControl> lstDirFiles_;
    QWidget *listPlace_ = nullptr;
    QGridLayout *fields_ = nullptr;
};
