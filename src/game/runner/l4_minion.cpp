#include "game/runner/l4_minion.h"

#include <algorithm>
#include <utility>

#include "api/bodies.h"
#include "api/drawing.h"
#include "game/runner/l4_individual_minion.h"

REGISTER_SCRIPT("L4Minion", L4Minion);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ArchetypeName kMinion{"Minion"};
const api::vec2 kParking{345.0f, 225.0f};
}  // namespace

L4Minion::L4Minion(Engine::GameObj* owner) : ScriptBase(owner) {
    if (owner) delay = 1.0f + static_cast<float>(api::Rand() % 4);
}

void L4Minion::ShuffleLanes() {
    for (size_t i = lanes.size(); i > 1; --i)
        std::swap(lanes[i - 1], lanes[static_cast<size_t>(api::Rand()) % i]);
}

void L4Minion::Init() {
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
    lanes = {3.0f, 2.0f, 1.0f, -1.0f, -2.0f, -3.0f};
    ShuffleLanes();
    minions.clear();
    for (int32_t i = 0; i < count; ++i) {
        Engine::GameObj* minion = api::Spawn(kMinion, kParking.x, kParking.y);
        if (!minion) continue;
        api::SetPosition(minion, kParking);
        api::SetVelocity(minion, {0.0f, 0.0f});
        if (Engine::RigidBody* body = api::Body(minion)) body->SetMotionType(Engine::kDynamicMotion);
        api::SetGravityScale(minion, 0.0f);
        if (Engine::graphics::Animator* animator = api::AnimatorOf(minion)) animator->frameTime = 0.1f;
        if (Engine::graphics::Renderable2D* sprite = minion->GetSprite()) sprite->SetFrame(1, 5);
        minions.emplace_back(minion);
    }
}

void L4Minion::Update(float dt) {
    if (enabled && !minions.empty()) {
        timer += dt;
        if (timer > delay) {
            const size_t slot = static_cast<size_t>(index) % minions.size();
            Engine::GameObj* minion = minions[slot].Get();
            L4IndividualMinion* script = api::ScriptOf<L4IndividualMinion>(minion);
            if (script && !script->active) {
                script->active = true;
                api::SetPosition(minion, {kEntryX, lanes[slot % lanes.size()]});
            }
            ++index;
            timer = 0.0f;
            delay = 1.0f + static_cast<float>(api::Rand() % 4);
            if (index > count - 1) {
                index = 0;
                timer = 0.0f;
                ShuffleLanes();
            }
        }
    }
    for (const api::ObjectRef& ref : minions) {
        Engine::GameObj* minion = ref.Get();
        const L4IndividualMinion* script = api::ScriptOf<L4IndividualMinion>(minion);
        if (!script || !script->active) continue;
        const float speed = static_cast<float>(200 + api::Rand() % 300) * dt;
        api::SetVelocity(minion, {std::clamp(-speed, -10.0f, 10.0f), 0.0f});
    }
}
