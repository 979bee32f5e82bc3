#include "game/level_scripts/debris.h"

#include <algorithm>
#include <cmath>

#include "api/script_api.h"
#include "game/egg/platform_behaviour.h"
#include "game/round/game_mode.h"

REGISTER_SCRIPT("Debris", Debris);

namespace {
const api::ArchetypeName kPlatform{"Platform"};
const api::ObjectName kLevelSettings{"GameLevelSettings"};
}  // namespace

Debris::Debris(Engine::GameObj* owner) : ScriptBase(owner) { Draw(); }

void Debris::Draw() {
    delay = static_cast<float>(api::Rand() % 5 + 3);
    direction = api::Rand() % 2 == 1 ? 1 : -1;
}

void Debris::Init() {
    heights = {1.5f, -1.5f, -4.5f};
    for (int32_t i = 0; i < count; ++i) {
        api::GameObj* platform = api::SpawnParked(kPlatform);
        platforms[static_cast<size_t>(i)] = platform;
        api::SetGravityScale(platform, 0.0f);
        if (PlatformBehaviour* p = api::ScriptOf<PlatformBehaviour>(platform)) p->moving = false;
    }
    levelSettings = api::Find(kLevelSettings);
}

bool Debris::Held() const {
    const GameMode* mode = api::ScriptOf<GameMode>(levelSettings);
    return !levelSettings || (mode && mode->countdown);
}

void Debris::Update(float dt) {
    if (Held()) return;
    timer += dt;
    if (timer > delay) {
        api::GameObj* platform = platforms[static_cast<size_t>(index)].Get();
        PlatformBehaviour* p = api::ScriptOf<PlatformBehaviour>(platform);
        if (p && !p->moving) {
            p->moving = true;
            p->moveDirection = direction;
            api::SetPosition(platform, {static_cast<float>(direction) * 12.0f, heights[static_cast<size_t>(index)]});
            const api::vec2 s = api::Scale(platform);
            if (direction > 0) api::SetScale(platform, {-std::fabs(s.x), s.y});
        }
        ++index;
        timer = 0.0f;
        Draw();
        if (index > count - 1) index = 0;
    }
    for (const api::ObjectRef& ref : platforms) {
        api::GameObj* platform = ref.Get();
        const PlatformBehaviour* p = api::ScriptOf<PlatformBehaviour>(platform);
        if (!p) continue;
        if (p->moving) {
            const float speed = -static_cast<float>(p->moveDirection) * static_cast<float>(api::Rand() % 150 + 100) * dt;
            api::SetVelocity(platform, {std::clamp(speed, -10.0f, 10.0f), 0.0f});
        } else if (api::Scale(platform).x < 0.0f) {
            api::SetScale(platform, {-api::Scale(platform).x, api::Scale(platform).y});
        }
    }
}
