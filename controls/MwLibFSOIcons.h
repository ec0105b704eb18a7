#pragma once

#include "controls/MwFSOTypes.h"

#include <functional>

// Shell icons: the one place of the library that asks the desktop for the icon of a path.
namespace MwFSO {

// The shell path of the computer (`ElementVirtualPath` of `ElementVirtualComputer`); its icon is the
// computer's, as that of the empty path.
QString ComputerShellPath();

// Gives the icon of a path with every size and state it has: the computer for the empty path, a drive
// for a drive root, else the item's own icon. Throwing or giving a null icon counts as a failure.
using ShellIconSource = std::function<QIcon(const QString &path)>;

// Replaces the icon source (tests run without a desktop); an empty source restores the desktop's.
void SetShellIconSource(ShellIconSource source);

// The icon of `path` in the size of `sizeFlags` (`ElementTypeIconLarge` 32 pixels, `ElementTypeIconSmall`
// 16) and the state of `stateFlags` (open, selected or both). When the source fails for the path, the
// desktop's generic icon of the path's kind stands in, so that one item never stops a pass over many.
Picture GetShellIcon(const QString &path, qint32 sizeFlags, qint32 stateFlags);

} // namespace MwFSO
