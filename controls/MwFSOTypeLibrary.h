#pragma once

#include "platform/components/Guid.h"
#include "platform/components/TypeLibrary.h"

// The type library that the MwFSO library carries: its classes, their default and event interfaces,
// its enumerations and records, its version block and the toolbox bitmaps of its controls. Hosts bind to
// the controls by these identifiers, so none of them may change.
namespace MwFSO {

using platform::components::Guid;

inline constexpr Guid LIBID_MwFSO{"{D6B68418-A339-4DDA-87A2-54885072A417}"};

inline constexpr Guid CLSID_MwFSOTree{"{7DC05317-8D3D-4079-A675-39F1CAFBA844}"};
inline constexpr Guid CLSID_MwFSOCombo{"{FB3C7D80-0382-41C9-BEEE-B84FA46F26FC}"};
inline constexpr Guid CLSID_MwFSOList{"{0FF4B435-7904-4CFB-86CA-E69938AB91C6}"};
inline constexpr Guid CLSID_MwLibFSO{"{ADDA9CB3-0675-4DBE-BB34-55702880B70C}"};

inline constexpr Guid IID__MwFSOTree{"{383A016D-41F2-499B-810B-6F78620BAEFC}"};
inline constexpr Guid IID___MwFSOTree{"{F6B88A9F-6681-429F-913D-950B7F7653E6}"};
inline constexpr Guid IID__MwFSOCombo{"{11CFFE02-3FE9-420E-93B9-EB5DD978DEA6}"};
inline constexpr Guid IID___MwFSOCombo{"{00D25845-4E76-4747-9C44-45F78F554E91}"};
inline constexpr Guid IID__MwFSOList{"{20261C98-C38F-4449-9A67-AF5849D70421}"};
inline constexpr Guid IID___MwFSOList{"{203B7681-BF13-4C1C-9E8C-34A0D08CE590}"};
inline constexpr Guid IID__MwLibFSO{"{BF9BA1E6-3605-482A-BAC5-85358282BD99}"};

// Resource identifiers of the controls' toolbox bitmaps (16 colours, 16 x 15 pixels).
inline constexpr int BitmapMwFSOTree = 30000;
inline constexpr int BitmapMwFSOCombo = 30001;
inline constexpr int BitmapMwFSOList = 30002;

// The library's file in the program folder, as registration records it.
inline constexpr char MwFSOFileName[] = "MwFSO.so";

// Built once, on first use; lives as long as the library is loaded.
const platform::components::TypeLibrary &MwFSOTypeLibrary();

} // namespace MwFSO
