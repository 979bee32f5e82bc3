#include "game/ultimates/cool_down_controller.h"

#include "api/script.h"

REGISTER_SCRIPT("CoolDownController", CoolDownController);
