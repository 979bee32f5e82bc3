#include "game/birds/cheat_code.h"

#include "api/script_api.h"

REGISTER_SCRIPT("CheatCode", CheatCode);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
}  // namespace

void CheatCode::Init() {
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
}

void CheatCode::Update(float) {
    if (api::KeyTriggered('1')) cheat1 = true;
    if (api::KeyTriggered('2')) cheat2 = true;
    if (api::KeyTriggered('3')) cheat3 = true;
}
