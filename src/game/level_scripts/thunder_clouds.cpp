#include "game/level_scripts/thunder_clouds.h"

#include "api/bodies.h"
#include "api/drawing.h"
#include "api/script_api.h"
#include "api/stage.h"
#include "game/level_scripts/thunder_clouds_behaviour.h"

REGISTER_SCRIPT("ThunderClouds", ThunderClouds);

namespace {
const api::ArchetypeName kUfo{"ThunderClouds"};
const api::SoundEvent kEnter{"event:/UFO_Enter"};
}  // namespace

void ThunderClouds::Init() {
    api::GameObj* saucer = api::Spawn(kUfo, 0.0f, 0.0f);
    ufo = saucer;
    if (!saucer) return;
    api::SetPosition(saucer, {30.0f, 4.0f});
    if (Engine::RigidBody* body = api::Body(saucer)) {
        body->SetMotionType(Engine::kKinematicMotion);
        body->gravityScale = 0.0f;
    }
    api::SetLayer(saucer, 0);
    timer = 0.0f;
    if (!api::AnimatorOf(saucer) && saucer->GetSprite()) {
        saucer->AddComponent(Engine::kAnimatorKind);
        saucer->SortComponents();
    }
    if (Engine::graphics::Animator* animator = api::AnimatorOf(saucer)) animator->frameTime = 1.0f;
}

ThunderCloudsBehaviour* ThunderClouds::Ufo() const { return api::ScriptOf<ThunderCloudsBehaviour>(ufo); }

void ThunderClouds::Update(float dt) {
    api::GameObj* saucer = ufo.Get();
    if (stopped) {
        if (saucer) api::SetPosition(saucer, {100.0f, api::Position(saucer).y});
        return;
    }
    timer += dt;
    if (timer <= kEvery && !startNow) return;
    ThunderCloudsBehaviour* pass = Ufo();
    if (pass && !pass->active) {
        api::SetPosition(saucer, {-18.0f, 7.0f});
        // From 4 to about 6.4 seconds after it appears.
        pass->strikeTime = 4.0f + static_cast<float>(api::RandomInt(0, 32767)) * 7.32444e-5f;
        pass->active = true;
        api::Play(kEnter);
    }
    startNow = false;
    timer = 0.0f;
}
