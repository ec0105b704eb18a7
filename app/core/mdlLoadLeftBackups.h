#pragma once

// The start's report of the old content that in-place saves killed part way left in tmp/.
namespace mdlLoad {

// Tells the user of each backup left in tmp/, over the main window. A backup is put back only when the
// user answers so, and kept otherwise: it is reported again at the next start. A failed put-back is
// reported with its reason, and the backup kept.
void ReportLeftBackups();

} // namespace mdlLoad
