#include "game/runner/l4_debris.h"

#include "api/drawing.h"
#include "game/birds/bird.h"
#include "game/runner/level4.h"

REGISTER_SCRIPT("L4Cloud", L4Debris);

namespace {
const api::ObjectName kDebrisName{"L4Debris"};
const api::ObjectName kRunnerLogic{"RunnerLogic"};
const api::ArchetypeName kTrail{"MusicNote"};
const api::ArchetypeName kSign{"Exclaimation"};
const api::TextureName kCannonBall{"AnimatedCannonBall"};
const api::TextureName kThunderball{"Thunderball"};
constexpr uint32_t kTransparent = 0x00000000;
constexpr uint32_t kOpaque = 0xFFFFFFFF;

float Unit() { return static_cast<float>(api::Rand()) / 32767.0f; }

Engine::GameObj* SpawnTrail(const char* texture, float grow, api::vec2 at) {
    Engine::GameObj* trail = api::Spawn(kTrail, at.x, at.y);
    if (!trail) return nullptr;
    api::SetPosition(trail, at);
    api::SetTexture(trail, texture);
    api::SetScale(trail, api::Scale(trail) + api::vec2{grow, grow});
    if (Engine::graphics::Renderable2D* sprite = trail->GetSprite()) sprite->SetFrame(1, 5);
    if (Engine::graphics::Animator* animator = api::AnimatorOf(trail)) animator->playing = true;
    api::SetColor(trail, kTransparent);
    return trail;
}
}  // namespace

void L4Debris::Init() {
    // The run counts its debris; a piece outside a run is never a meteor.
    Level4* run = api::FindScript<Level4>(kRunnerLogic);
    const int32_t count = run ? ++run->debrisCount : 1;
    vx = 3.0f;
    vy = 0.0f;
    const float sx = 1.0f + Unit();
    const float sy = 1.0f + Unit();
    api::SetScale(owner, {sx, sy});
    spin = (api::Rand() & 1) ? 0.2f : -0.2f;
    if (owner->name == kDebrisName.c_str()) api::SetColor(owner, kDebrisColor);
    if (count % 5 != 0) return;
    meteor = true;
    const api::vec2 at = api::Position(owner);
    trails[0] = SpawnTrail(kCannonBall, 0.75f, at);
    trails[1] = SpawnTrail(kThunderball, 2.0f, at);
    Engine::GameObj* warning = api::Spawn(kSign, at.x, at.y);
    api::SetColor(warning, kTransparent);
    sign = warning;
    warnTimer = 7.0f + static_cast<float>(api::Rand()) * 2.0f / 32767.0f;
}

void L4Debris::PlaceTrails() {
    for (const api::ObjectRef& trail : trails) {
        api::SetPosition(trail.Get(), api::Position(owner));
        api::SetColor(trail.Get(), kTrailColor);
    }
}

void L4Debris::Update(float dt) {
    const api::vec2 start = api::Position(owner);
    if (meteor) warnTimer -= dt;
    if (!meteor || warnTimer > 0.0f) {
        api::SetPosition(owner, {start.x - vx * dt, start.y});
    } else {
        api::SetColor(owner, kDebrisColor);
        api::SetPosition(owner, {start.x - vx * dt, start.y - vy * dt});
        PlaceTrails();
        vx = 4.0f;
        vy = 3.0f;
    }
    api::vec2 at = api::Position(owner);
    if (at.y < -15.0f) {
        at.y = 12.0f;
        api::SetPosition(owner, at);
        if (Engine::GameObj* warning = sign.Get()) {
            api::SetColor(warning, kOpaque);
            // Where the meteor comes into view, 75 frames ahead of it.
            api::SetPosition(warning, {at.x - 75.0f * vx * dt, 6.5f});
        }
    }
    if (at.y < 9.0f) api::SetColor(sign.Get(), kTransparent);
    if (start.x < -16.0f) api::SetPosition(owner, {18.0f + vy * dt, api::Position(owner).y});
    if (start.y > 100.0f) {
        vx = 0.0f;
        vy = 0.0f;
        PlaceTrails();
    }
    api::SetRotation(owner, api::Rotation(owner) + spin);
}

void L4Debris::OnCollisionEnter(Engine::GameObj* other) {
    if (birds::IsBirdObject(other) && !birds::Bird::Of(other).IsProtected()) birds::Bird::Of(other).KillWithPush();
}
