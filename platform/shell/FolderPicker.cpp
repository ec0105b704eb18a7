#include "platform/shell/FolderPicker.h"

#include "platform/dialogs/MessageBox.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QListView>
#include <QScrollBar>

namespace platform::shell {

QString BrowseFolder(QWidget *owner, const QString &title, const QString &startFolder)
{
    // The picker that QFileDialog::getExistingDirectory shows, made here so that a test can answer it.
    QFileDialog picker(owner, title);
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    if (!startFolder.isEmpty() && QFileInfo(startFolder).isDir())
        picker.setDirectory(startFolder);
    // The list of places at the left starts narrower than its Russian names ("Компьютер").
    if (auto *places = picker.findChild<QListView *>(QStringLiteral("sidebar")))
        places->setMinimumWidth(places->sizeHintForColumn(0) + 2 * places->frameWidth() +
                                places->verticalScrollBar()->sizeHint().width());
    if (dialogs::ShowModal(picker) != QDialog::Accepted)
        return {};
    return picker.selectedFiles().value(0);
}

} // namespace platform::shell
