#pragma once

#include "platform/components/Interfaces.h"

#include <QIcon>

// The picture object that the helper class hands to automation clients: an icon behind the picture
// interface's dispatch members `Type` (3, an icon), `Width` and `Height` (in 0.01 mm, as pictures
// measure themselves). It has no system handle to give.
namespace MwFSO {

inline constexpr platform::components::Guid IID_Picture{"{7BF80980-BF32-101A-8BBB-00AA00300CAB}"};

// A new picture of `icon` holding one reference, its creator's; null for a null icon (no picture).
platform::components::IDispatch *NewPicture(const QIcon &icon);

} // namespace MwFSO
