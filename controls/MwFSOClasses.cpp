#include "controls/MwFSOClasses.h"

#include "controls/MwFSOControlClasses.h"
#include "controls/MwFSOTypeLibrary.h"
#include "controls/MwLibFSOObject.h"

namespace MwFSO {

namespace {

using platform::components::DispatchObject;
using platform::components::IDispatch;
using platform::components::IUnknown;

// A control made by its factory, as the IUnknown a class factory hands on.
template <DispatchObject *(*Create)()>
IUnknown *NewControl()
{
    return static_cast<IDispatch *>(Create());
}

} // namespace

const platform::components::ClassTable &MwFSOClassTable()
{
    using platform::components::NewObject;
    static const platform::components::ClassTable table{MwFSOTypeLibrary(),
                                                        {{CLSID_MwFSOTree, &NewControl<CreateTreeObject>},
                                                         {CLSID_MwFSOCombo, &NewControl<CreateComboObject>},
                                                         {CLSID_MwFSOList, &NewControl<CreateListObject>},
                                                         {CLSID_MwLibFSO, &NewObject<MwLibFSOObject>}}};
    return table;
}

} // namespace MwFSO
