#include "game/ultimates/cool_down_controller.h"

#include "logic/script_registry.h"

REGISTER_SCRIPT("CoolDownController", CoolDownController);
