#pragma once
// What a script is: the script base class, its registration under the name
// level files use, and the world-hash hook for a script whose fields decide
// how a match ends. A script's header includes this; its source file includes
// api/script_api.h for what the script does.

#include "logic/hashed_state.h"
#include "logic/script_registry.h"
#include "logic/scripts.h"
