#include "game/egg/armor_spawn.h"

#include "api/drawing.h"
#include "api/script_api.h"
#include "game/egg/armor_behaviour.h"
#include "game/egg/round_clock.h"

REGISTER_SCRIPT("ArmorSpawn", ArmorSpawn);

namespace {
const api::ObjectName kEgg{"Egg"};
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kLevelSettings{"GameLevelSettings"};
const api::ArchetypeName kArmor{"Armor"};
}  // namespace

void ArmorSpawn::Init() {
    egg = api::Find(kEgg);
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
    levelSettings = api::Find(kLevelSettings);
}

void ArmorSpawn::NewDelay() {
    delay = EggLevel::SpawnDelay(EggLevel::ReadDelayInputs(egg, levelSettings, true));
    side = api::Rand() % 2 == 1 ? 1 : -1;
}

void ArmorSpawn::Restart() {
    elapsed = 0.0f;
    NewDelay();
}

void ArmorSpawn::Update(float dt) {
    if (!spawned) {
        spawned = true;
        armor = api::SpawnParked(kArmor);
        api::SetGravityScale(armor.Get(), 0.0f);
        if (Engine::graphics::Animator* animator = api::AnimatorOf(armor.Get())) animator->frameTime = 0.3f;
        NewDelay();
    }
    elapsed += dt;
    ArmorBehaviour* piece = api::ScriptOf<ArmorBehaviour>(armor);
    if (!piece || elapsed <= delay || piece->active || piece->flying) return;
    piece->active = true;
    piece->side = side;
    const float x = static_cast<float>(side * api::RandomInt(-11, -1));
    const float y = static_cast<float>(api::RandomInt(-5, 2));
    api::SetPosition(armor.Get(), {x, y});
}

void ArmorSpawn::Reset() {
    if (ArmorBehaviour* piece = api::ScriptOf<ArmorBehaviour>(armor)) piece->Withdraw();
    elapsed = 0.0f;
}
