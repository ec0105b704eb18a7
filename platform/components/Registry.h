#pragma once

#include "platform/components/Guid.h"
#include "platform/components/Status.h"
#include "platform/components/TypeLibrary.h"

#include <QList>
#include <QString>

#include <optional>

// The registry file: which library file serves which class, ProgIDs, type libraries and toolbox bitmaps.
// One JSON document, rewritten whole and atomically (QSaveFile) on every change, by one process at a time
// (QLockFile "<file>.lock"):
//   { "classes":        { "{CLSID}": { "name", "server", "progId", "versionedProgId",
//                                       "typeLibrary": "{LIBID}", "version": "1.0",
//                                       "control": bool, "toolboxBitmap": "<server path>,<id>" } },
//     "progIds":        { "<ProgID>": { "clsid": "{CLSID}", "server": "<path>" } },
//     "typeLibraries":  { "{LIBID}": { "<version>": { "name", "path", "locale": number,
//                                                     "control": bool } } } }
// "server" / "path" are absolute paths of the library file that wrote the entry. A registry that cannot be
// read (no regular file, too large, malformed) holds nothing and is never written over.
namespace platform::components {

// $VELLICOR_COMPONENT_REGISTRY when set, else components.json in the user's configuration folder.
QString RegistryFilePath();

struct ClassRegistration {
    Guid clsid;
    QString name;
    QString server; // absolute path of the in-process server
    QString progId;
    QString versionedProgId;
    Guid libid;
    QString version;
    bool control = false;
    QString toolboxBitmap; // "<server path>,<resource id>"; empty for none
};

std::optional<ClassRegistration> FindClassRegistration(const Guid &clsid);
std::optional<Guid> FindProgId(const QString &progId);
// The file of a registered type library, empty when that version is not registered.
QString FindTypeLibraryPath(const Guid &libid, const QString &version);

// Records `classes` of `types` as served by `libraryPath`, and the type library as held by it.
HResult RegisterLibrary(const QString &libraryPath, const TypeLibrary &types, const QList<Guid> &classes);
// Removes the entries that `libraryPath` wrote for these classes and this type library; entries that
// another file wrote since are kept.
HResult UnregisterLibrary(const QString &libraryPath, const TypeLibrary &types, const QList<Guid> &classes);

} // namespace platform::components
