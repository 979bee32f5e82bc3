#include "game/birds/main_player_behaviour.h"

#include "api/script_api.h"
#include "game/birds/bird_links.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"

REGISTER_SCRIPT("MainPlayerBehaviour", MainPlayerBehaviour);

void MainPlayerBehaviour::Init() {}
void MainPlayerBehaviour::Update(float) {}
void MainPlayerBehaviour::OnCollisionEnter(Engine::GameObj*) {}
void MainPlayerBehaviour::OnCollisionStay(Engine::GameObj*) {}
void MainPlayerBehaviour::OnCollisionExit(Engine::GameObj*) {}
void MainPlayerBehaviour::Stun(float duration, bool blinkAfter) {
    stunned = true;
    stunDuration = duration;
    invulnerableAfterStun = blinkAfter;
}
void MainPlayerBehaviour::Kill(bool byHazard) {
    dead = true;
    killedByHazard = killedByHazard || byHazard;
}
void MainPlayerBehaviour::KnockBack(Engine::vec2 direction, float strength) { api::AddForce(owner, direction * strength); }
bool MainPlayerBehaviour::IsProtected() const { return invulnerable; }
bool MainPlayerBehaviour::IsAttacker() const { return false; }
bool MainPlayerBehaviour::IsDefender() const { return false; }
void MainPlayerBehaviour::SwitchAnimation(const std::string&) {}
IndividualPlayerBehaviour* MainPlayerBehaviour::Character() const { return api::ScriptOf<IndividualPlayerBehaviour>(owner); }
RoundPlayerBehaviour* MainPlayerBehaviour::Round() const { return api::ScriptOf<RoundPlayerBehaviour>(owner); }
MainPlayerBehaviour* MainPlayerBehaviour::OpponentBird() const { return api::ScriptOf<MainPlayerBehaviour>(otherPlayer); }
Engine::vec2 MainPlayerBehaviour::SpawnPoint() const { return {}; }
MatchRules* MainPlayerBehaviour::Rules() const { return api::ScriptOf<MatchRules>(levelSettings); }
bool MainPlayerBehaviour::KeyAction(const std::string&) { return false; }
