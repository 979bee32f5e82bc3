#include "game/ultimates/big_bird_shit.h"

#include "api/script_api.h"
#include "game/ultimates/big_bird_shit_behaviour.h"

REGISTER_SCRIPT("BigBirdShit", BigBirdShit);

namespace {
const api::ArchetypeName kBigShit{"BigShit"};
const api::SoundEvent kFarto{"event:/Rure_Farto_Ulti"};
}  // namespace

void BigBirdShit::Init() { activate = false; }

void BigBirdShit::Update(float) {
    if (!activate) return;
    activate = false;
    const Engine::vec2 at = api::Position(owner);
    Engine::GameObj* dropping = api::Spawn(kBigShit, at.x, at.y);
    bigShit = dropping;
    if (BigBirdShitBehaviour* behaviour = api::ScriptOf<BigBirdShitBehaviour>(dropping)) {
        behaviour->ownerBird = owner;
        behaviour->ownerName = owner ? owner->name : std::string();
    }
    api::Play(kFarto);
}
