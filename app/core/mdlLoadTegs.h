#pragma once

#include <QString>

// The main window's tag panel: one tab per tag group, and the tool bar of the selected group's buttons.
namespace mdlLoad {

// Makes one tab per group of `Panels` and selects the tab that was selected at the last exit; the tool
// bar stays empty until the main window's tab handler runs once the start has finished.
void FillTegsTabs();
// Fills the tool bar with the buttons of the group whose tab has the key `tabKey` ("p" and the group's
// number), in the group's order, each under the key that TegButtonKey gives it.
void FillTegsToolbar(const QString &tabKey);

} // namespace mdlLoad
