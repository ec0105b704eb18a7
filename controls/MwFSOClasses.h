#pragma once

#include "platform/components/Server.h"

// The classes that the MwFSO library's exports create and register.
namespace MwFSO {

const platform::components::ClassTable &MwFSOClassTable();

} // namespace MwFSO
