#pragma once

#include <QString>

class QWidget;

namespace platform::shell {

// Shows the folder picker modal over `owner`, open in `startFolder` when that folder exists, and returns
// the folder chosen, as the host names it; empty when the user cancelled.
QString BrowseFolder(QWidget *owner, const QString &title, const QString &startFolder);

} // namespace platform::shell
