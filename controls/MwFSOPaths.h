#pragma once

#include "controls/MwFSOTypes.h"

#include <QString>

// Path text of the library. The computer is the empty path, a drive is its root, a folder ends with "/",
// anything else is a file.
namespace MwFSO {

class MwLibFSO;

// `path` with a closing "/" added when it lacks one; the empty path stays empty.
QString WithSeparator(const QString &path);

// The last component of `path`, one closing "/" ignored: "/web/index.htm" and "/web/index/" give
// "index.htm" and "index"; "/" gives "".
QString LastComponent(const QString &path);

// The last component up to and after its last ".": "index.htm" gives "index" and "htm"; without a "."
// the whole name and "".
QString BaseName(const QString &path);
QString ExtensionName(const QString &path);

// Makes `path` a folder path: a closing "/" is added when missing; the empty path stays empty.
void NormalizePath(QString &path);

// The computer for the empty path, a file for a path not ending in "/", a drive for a drive root, else
// a folder. `ElementTypePathNothing` is never given.
ElementTypePath GetPathType(const QString &path);

// The nearest folder that still exists on the way from `path` up to its drive root: `path` itself, one
// of its parents, the drive root; empty when the drive is missing or not ready. Failed questions count
// as "no".
QString GetExistingFolder(MwLibFSO &fso, const QString &path);

} // namespace MwFSO
