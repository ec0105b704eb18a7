#pragma once

#include "platform/components/Guid.h"
#include "platform/components/Interfaces.h"

// The program's static binding of the MwFSO controls that its windows host: class identifiers, the
// dispatch identifiers of the members it calls and of the events it handles, and the values of the two
// enumerations it passes. These are fixed by the library's type library.
namespace MwFSOControls {

using platform::components::DispId;
using platform::components::Guid;

inline constexpr Guid CLSID_MwFSOTree{"{7DC05317-8D3D-4079-A675-39F1CAFBA844}"};
inline constexpr Guid CLSID_MwFSOCombo{"{FB3C7D80-0382-41C9-BEEE-B84FA46F26FC}"};
inline constexpr Guid CLSID_MwFSOList{"{0FF4B435-7904-4CFB-86CA-E69938AB91C6}"};

// The folder tree and the drive and folder-chain combo share their member identifiers.
namespace TreeOrCombo {
inline constexpr DispId Path = 0x68030000;
inline constexpr DispId Refresh = 0x6003000A;
} // namespace TreeOrCombo

// Events of the tree and of the combo.
namespace TreeOrComboEvent {
inline constexpr DispId ItemClick = 1;
inline constexpr DispId ItemGoto = 2;
} // namespace TreeOrComboEvent

namespace List {
inline constexpr DispId TypeView = 0x68030000;
inline constexpr DispId Pattern = 0x68030001;
inline constexpr DispId Path = 0x68030002;
inline constexpr DispId Refresh = 0x60030011;
} // namespace List

namespace ListEvent {
inline constexpr DispId ItemClick = 1;
inline constexpr DispId ItemDblClick = 2;
inline constexpr DispId ItemGoto = 3;
} // namespace ListEvent

enum ElementTypePath {
    ElementTypePathNothing = 0,
    ElementTypePathComputer = 1,
    ElementTypePathDrive = 2,
    ElementTypePathFolder = 3,
    ElementTypePathFile = 4,
};

enum ElementTypeView {
    ElementTypeViewIcon = 1,
    ElementTypeViewSmallIcon = 2,
    ElementTypeViewList = 3,
    ElementTypeViewReport = 4,
};

} // namespace MwFSOControls
