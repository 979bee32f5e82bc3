#include "game/boss/zurododavad_rock_behaviour.h"

#include "api/script_api.h"

REGISTER_SCRIPT("ZurododavadRockBehaviour", ZurododavadRockBehaviour);
