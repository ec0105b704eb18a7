#include "platform/shell/FolderPicker.h"

#include "platform/dialogs/MessageBox.h"

#include <QFileDialog>

namespace platform::shell {

QString BrowseFolder(QWidget *owner, const QString &title)
{
    // The picker that QFileDialog::getExistingDirectory shows, made here so that a test can answer it.
    QFileDialog picker(owner, title);
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    if (dialogs::ShowModal(picker) != QDialog::Accepted)
        return {};
    return picker.selectedFiles().value(0);
}

} // namespace platform::shell
