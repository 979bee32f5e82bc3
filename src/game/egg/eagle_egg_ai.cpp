#include "game/egg/eagle_egg_ai.h"

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/menus/transition.h"

REGISTER_SCRIPT("EagleEggAI", EagleEggAI);

namespace {
const api::ObjectName kDown{"DownBound"};
const api::ObjectName kLeft{"LeftBound"};
const api::ObjectName kUp{"UpBound"};
const api::ObjectName kRight{"RightBound"};
const api::ObjectName kTransitionBird{"TransitionBird"};
const api::ObjectName kPlayer1{"Player"};
}  // namespace

EagleEggAI::EagleEggAI(Engine::GameObj* owner) : ScriptBase(owner) {
    goingUp = api::Rand() % 2 == 1;
    goingRight = api::Rand() % 2 == 1;
    turnTimer = 1.0f;
}

void EagleEggAI::Init() {
    if (api::GameObj* down = api::Find(kDown)) downY = api::Position(down).y;
    if (api::GameObj* left = api::Find(kLeft)) leftX = api::Position(left).x;
    if (api::GameObj* up = api::Find(kUp)) upY = api::Position(up).y;
    if (api::GameObj* right = api::Find(kRight)) rightX = api::Position(right).x;
    transition = api::Find(kTransitionBird);
    player1 = api::Find(kPlayer1);
}

bool EagleEggAI::Revealed() const {
    const Transition* wipe = api::ScriptOf<Transition>(transition);
    return !wipe || wipe->revealed;
}

void EagleEggAI::Update(float dt) {
    const api::vec2 p = api::Position(owner);
    if (p.x < leftX || p.x > rightX || p.y < downY || p.y > upY) api::SetPosition(owner, {0.0f, 0.0f});
    if (!Revealed()) return;

    const api::vec2 at = api::Position(owner);
    if (at.y <= downY + 4.0f) goingUp = true;
    if (at.y >= upY - 4.0f) goingUp = false;
    const bool player1Attacks = birds::Bird::Of(player1).IsAttacker();
    // The egg keeps to the defender's half of the field.
    const float turnRightAt = leftX + (player1Attacks ? 14.0f : 8.0f);
    const float turnLeftAt = rightX - (player1Attacks ? 8.0f : 14.0f);
    if (at.x <= turnRightAt) goingRight = true;
    if (at.x >= turnLeftAt) goingRight = false;

    api::AddForce(owner, {goingRight ? 1.0f : -1.0f, goingUp ? 1.0f : -1.0f});
    const api::vec2 scale = api::Scale(owner);
    const float size = scale.x < 0.0f ? -scale.x : scale.x;
    api::SetScale(owner, {goingRight ? size : -size, scale.y});

    turnTimer -= dt;
    if (turnTimer <= 0.0f) {
        turnTimer = 2.0f;
        goingUp = api::Rand() % 2 == 1;
        goingRight = api::Rand() % 2 == 1;
    }
}
