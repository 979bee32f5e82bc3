#include "game/round/global_val.h"

#include "api/script_api.h"

REGISTER_SCRIPT("GlobalVal", GlobalVal);
