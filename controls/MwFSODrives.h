#pragma once

#include "controls/MwFSOTypes.h"

#include "platform/files/Drives.h"

#include <QStorageInfo>

// The drives of this host, by the one rule that the library shares with the program's windows, and their
// kinds.
namespace MwFSO {

using platform::files::DriveOf;
using platform::files::DriveRoots;
using platform::files::IsDriveRoot;

// The kind of a mounted drive, from its file-system type and mount place.
DriveKind DriveKindOf(const QStorageInfo &storage);

} // namespace MwFSO
