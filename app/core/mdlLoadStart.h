#pragma once

#include "platform/forms/GlobalForm.h"

#include <QString>

// The start of a first copy: paths and loaders before the main window shows, the start actions after.
namespace mdlLoad {

void InitPathsAndLoad();
void OpenOnStart(const QString &commandLine);
// Places the main window as the stored position says.
void RestoreMainWindow();

// Unloads a window and drops its reference; errors are ignored.
template <typename Form>
void UnloadForm(GlobalForm<Form> &form)
{
    form.unload();
}

} // namespace mdlLoad
