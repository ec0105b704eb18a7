#pragma once

#include "platform/components/Status.h"
#include "platform/components/TypeLibrary.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A type library as bytes. A library hands its own out in this form through its pseudo-class
// CLSID_TypeLibrarySource (Server.h): the description is part of the library file's code and data and
// needs no export of its own.
namespace platform::components {

QByteArray SerializeTypeLibrary(const TypeLibrary &types);
// Nothing when the bytes are no type library of this format.
std::optional<TypeLibrary> DeserializeTypeLibrary(const QByteArray &bytes);

// The type library that the library file `libraryPath` carries. CO_E_DLLNOTFOUND: no such file;
// TYPE_E_CANTLOADLIBRARY: the file carries none.
HResult LoadTypeLibrary(const QString &libraryPath, TypeLibrary *types);

} // namespace platform::components
