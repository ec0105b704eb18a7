#pragma once

#include "controls/MwLibFSO.h"

#include "platform/components/DispatchObject.h"

// `MwLibFSO` as a creatable component: the helper's 51 methods by the dispatch identifiers of `_MwLibFSO`.
// A failure reaches the client as DISP_E_EXCEPTION with the helper's number, description, help file and
// help context.
namespace MwFSO {

class MwLibFSOObject final : public platform::components::DispatchObject {
public:
    MwLibFSOObject();

private:
    void Bind(const char *name, Method method);

    MwLibFSO fso_;
};

} // namespace MwFSO
