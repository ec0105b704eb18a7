#include "controls/MwFSOClasses.h"

// The library's only exports: the four functions of an in-process component server.
VELLICOR_COMPONENT_SERVER(MwFSO::MwFSOClassTable)
