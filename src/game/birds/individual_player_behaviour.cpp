#include "game/birds/individual_player_behaviour.h"

#include "api/script_api.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"

REGISTER_SCRIPT("IndividualPlayerBehaviour", IndividualPlayerBehaviour);

void IndividualPlayerBehaviour::Init() {}
void IndividualPlayerBehaviour::Update(float) {}
void IndividualPlayerBehaviour::OnCollisionEnter(Engine::GameObj*) {}
void IndividualPlayerBehaviour::RunSkill(float) {}
MainPlayerBehaviour* IndividualPlayerBehaviour::Bird() const { return api::ScriptOf<MainPlayerBehaviour>(owner); }
RoundPlayerBehaviour* IndividualPlayerBehaviour::Round() const { return api::ScriptOf<RoundPlayerBehaviour>(owner); }
const CharacterRow* IndividualPlayerBehaviour::Row() const { return nullptr; }
MainPlayerBehaviour* IndividualPlayerBehaviour::OpponentBird() const { return api::ScriptOf<MainPlayerBehaviour>(otherPlayer); }
IndividualPlayerBehaviour* IndividualPlayerBehaviour::OpponentCharacter() const {
    return api::ScriptOf<IndividualPlayerBehaviour>(otherPlayer);
}
const std::array<std::string, 5>& IndividualPlayerBehaviour::AnimationsOf(int32_t) const { return mynaAnimations; }
