#pragma once

#include "platform/forms/GlobalForm.h"

#include <QString>
#include <QStringList>

// The start of a first copy: paths and loaders before the main window shows, the start actions after.
namespace mdlLoad {

void InitPathsAndLoad();
// `arguments`: the command line, each argument one path.
void OpenOnStart(const QStringList &arguments);
// Places the main window as the stored position says.
void RestoreMainWindow();
// Fills the code-page menus, shows the bars that the settings ask for, docks the strip of open documents
// and brings the commands to their state for no document.
void ArrangeMainToolbars();
// One Help-menu entry per entry of the help list; the entries' separator shows only when there are any.
void FillHelpMenu();
// Loads the pictures of the document tabs' four states into the tab strip's image list.
void LoadFileTabImages();

// Unloads a window and drops its reference; errors are ignored.
template <typename Form>
void UnloadForm(GlobalForm<Form> &form)
{
    form.unload();
}

} // namespace mdlLoad
