#pragma once

#include "platform/files/LeftBackups.h"

#include <QString>

// The start's report of the old content that in-place saves killed part way left in tmp/.
namespace mdlLoad {

// What the user is told of one backup: the file, or that it is unknown, where its old content is, and that
// the file itself may be partial; for a known file, the question whether to put the old content back.
QString LeftBackupMessage(const platform::files::LeftBackup &left);

// Tells the user of each backup left in tmp/, over the main window. A backup is put back only when the
// user answers so, and kept otherwise: it is reported again at the next start. A failed put-back is
// reported with its reason, and the backup kept.
void ReportLeftBackups();

} // namespace mdlLoad
