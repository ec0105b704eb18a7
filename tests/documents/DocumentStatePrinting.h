#pragma once

#include "app/documents/mdlFileState.h"

#include <ostream>

namespace mdlFile {

// A document's state in test failures by its name.
inline void PrintTo(DocumentState state, std::ostream *out)
{
    switch (state) {
    case DocumentState::New:
        *out << "New";
        return;
    case DocumentState::NewChanged:
        *out << "NewChanged";
        return;
    case DocumentState::Saved:
        *out << "Saved";
        return;
    case DocumentState::SavedChanged:
        *out << "SavedChanged";
        return;
    }
    *out << "DocumentState " << int(state);
}

} // namespace mdlFile
