#include "game/birds/cheat_code.h"

#include "api/script_api.h"

REGISTER_SCRIPT("CheatCode", CheatCode);

void CheatCode::Init() {}
void CheatCode::Update(float) {}
