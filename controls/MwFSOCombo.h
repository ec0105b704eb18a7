#pragma once

#include "controls/MwFSOControlClasses.h"

class QComboBox;

namespace MwFSO {

// The drive and folder-chain drop-down: the computer, the drives and the folders leading to the current
// folder, each level indented one step further. A pick is reported with ItemClick; the host decides
// whether to set `Path`, which the control reports with ItemGoto. Key events: KeyDown, KeyPress, KeyUp.
class MwFSOCombo : public FileSystemControl {
    Q_OBJECT

public:
    explicit MwFSOCombo(QWidget *parent = nullptr);

    QString Path() const { return current_; }
    void SetPath(const QString &path);
    // Returns to the nearest folder of the current path that still exists (the computer when none).
    void Refresh() override;
    // The saved path of a host's design: becomes the current path without navigating.
    void LoadPath(const QString &path) { current_ = path; }

    QComboBox *Combo() const { return combo_; }

protected:
    bool HasSelectedItem() const override;

private:
    void Picked(int index);

    QComboBox *combo_;
    QString current_;
};

} // namespace MwFSO
