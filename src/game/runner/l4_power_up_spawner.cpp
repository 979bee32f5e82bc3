#include "game/runner/l4_power_up_spawner.h"

#include <algorithm>
#include <utility>

#include "api/drawing.h"
#include "game/egg/bug_behaviour.h"

REGISTER_SCRIPT("L4PowerUpSpawner", L4PowerUpSpawner);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ArchetypeName kBug{"Bug"};
const api::TextureName kImmunityTexture{"PowerUp_Immunity"};
const api::TextureName kLaxativeTexture{"PowerUp_Laxative"};
const api::TextureName kUltimateTexture{"UltimatePowerUpBug"};
const api::vec2 kParking{-200.0f, 100.0f};
// The kinds of the pool, bug by bug.
constexpr L4PowerUpSpawner::Kind kPoolKinds[] = {L4PowerUpSpawner::kImmunity, L4PowerUpSpawner::kLaxative,
                                                  L4PowerUpSpawner::kUltimate, L4PowerUpSpawner::kImmunity,
                                                  L4PowerUpSpawner::kLaxative};

float NextDelay() { return static_cast<float>(api::Rand() % 5 + 4); }
}  // namespace

void L4PowerUpSpawner::ShuffleLanes() {
    for (size_t i = lanes.size(); i > 1; --i)
        std::swap(lanes[i - 1], lanes[static_cast<size_t>(api::Rand()) % i]);
}

void L4PowerUpSpawner::Init() {
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
    lanes = {3.5f, 1.5f, 0.0f, -1.5f, -3.5f};
    ShuffleLanes();
    bugs.clear();
    kinds.clear();
    for (int32_t i = 0; i < kPoolSize; ++i) {
        Engine::GameObj* bug = api::Spawn(kBug, kParking.x, kParking.y);
        if (!bug) continue;
        api::SetPosition(bug, kParking);
        api::SetGravityScale(bug, 0.0f);
        api::SetVelocity(bug, {0.0f, 0.0f});
        bugs.emplace_back(bug);
        kinds.push_back(kPoolKinds[i % kPoolSize]);
    }
    delay = NextDelay();
}

void L4PowerUpSpawner::Release(size_t index) {
    Engine::GameObj* bug = bugs[index].Get();
    BugBehaviour* script = api::ScriptOf<BugBehaviour>(bug);
    if (!script || script->active) return;
    const Kind kind = kinds[index];
    script->ClearKinds();
    script->immunity = kind == kImmunity;
    script->laxative = kind == kLaxative;
    script->ultimate = kind == kUltimate;
    script->label = kind == kImmunity ? "Immunity" : kind == kLaxative ? "Laxative" : "Ultimate";
    script->active = true;
    script->side = 1;
    api::SetTexture(bug, kind == kImmunity ? kImmunityTexture : kind == kLaxative ? kLaxativeTexture : kUltimateTexture);
    if (Engine::graphics::Renderable2D* sprite = bug->GetSprite()) sprite->SetFrame(1, 5);
    if (Engine::graphics::Animator* animator = api::AnimatorOf(bug)) {
        animator->frameTime = 0.3f;
        animator->playing = true;
    }
    api::SetPosition(bug, {kEntryX, lanes[index % lanes.size()]});
}

void L4PowerUpSpawner::Update(float dt) {
    if (enabled && !bugs.empty()) {
        timer += dt;
        if (timer > delay) {
            Release(static_cast<size_t>(next));
            timer = 0.0f;
            delay = NextDelay();
            if (++next >= static_cast<int32_t>(bugs.size())) {
                next = 0;
                ShuffleLanes();
            }
        }
    }
    for (const api::ObjectRef& ref : bugs) {
        Engine::GameObj* bug = ref.Get();
        const BugBehaviour* script = api::ScriptOf<BugBehaviour>(bug);
        if (!script || !script->active) continue;
        const float speed = static_cast<float>(100 + api::Rand() % 150) * dt;
        api::SetVelocity(bug, {std::clamp(-speed, -10.0f, 10.0f), 0.0f});
    }
}
