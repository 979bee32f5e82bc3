#include "game/birds/round_player_behaviour.h"

#include "api/script_api.h"
#include "game/birds/main_player_behaviour.h"

REGISTER_SCRIPT("RoundPlayerBehaviour", RoundPlayerBehaviour);

void RoundPlayerBehaviour::Init() {}
void RoundPlayerBehaviour::Update(float) {}
void RoundPlayerBehaviour::OnCollisionEnter(Engine::GameObj*) {}
void RoundPlayerBehaviour::OnCollisionStay(Engine::GameObj*) {}
void RoundPlayerBehaviour::Grant(bool, bool, bool, bool, bool, bool) {}
void RoundPlayerBehaviour::BirdDied() {}
void RoundPlayerBehaviour::ResetPowerUps() {}
MainPlayerBehaviour* RoundPlayerBehaviour::Bird() const { return api::ScriptOf<MainPlayerBehaviour>(owner); }
