#include "game/level_scripts/thunder_clouds_behaviour.h"

#include <algorithm>

#include "api/bodies.h"
#include "api/drawing.h"
#include "api/script_api.h"
#include "api/stage.h"

REGISTER_SCRIPT("ThunderCloudsBehaviour", ThunderCloudsBehaviour);

namespace {
const api::ArchetypeName kLightning{"Lightning"};
const api::SoundEvent kAttack{"event:/UFO_Attack"};
const api::SoundEvent kExit{"event:/UFO_Exit"};
}  // namespace

void ThunderCloudsBehaviour::Init() {
    active = false;
    timer = 0.0f;
    api::SetFrame(owner, 1);
    api::PlayAnimation(owner);
    beam.Reset();
    if (Engine::graphics::Animator* animator = api::AnimatorOf(owner)) animator->frameTime = 1.0f;
    leaving = true;

    Engine::graphics::ParticleSystem* particles = api::EnsureParticles(owner);
    if (!particles) return;
    particles->SetEmitterTransform({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f}, 180.0f);
    particles->particleSize = {0.1f, 0.3f};
    particles->arcA = particles->arcB = 90.0f;
    particles->speed = 5.0f;
    particles->lifespan = 1.0f;
    particles->maxParticles = 100;
    particles->interval = 0.1f;
    particles->reverse = true;
    particles->playing = false;
}

Engine::graphics::ParticleSystem* ThunderCloudsBehaviour::Charge() const {
    return owner ? owner->GetParticleSystem() : nullptr;
}

void ThunderCloudsBehaviour::Update(float dt) {
    Engine::graphics::ParticleSystem* particles = Charge();
    if (active) {
        leaving = false;
        timer += dt;
        const float speed = std::clamp((strikeTime - timer) * 4.0f / 3.0f, -10.0f, 10.0f);
        api::SetVelocity(owner, {speed, 0.0f});
        const float untilStrike = strikeTime - timer;
        if (particles) {
            if (untilStrike < chargeUntil)
                particles->playing = false;
            else if (untilStrike < chargeFrom)
                particles->playing = true;
        }
        if (timer > strikeTime && !beam) {
            const api::vec2 at = api::Position(owner);
            api::GameObj* bolt = api::Spawn(kLightning, at.x, at.y - kBeamDrop);
            api::SetPosition(bolt, {at.x, at.y - kBeamDrop});
            api::SetScale(bolt, {2.0f, api::Scale(bolt).y});
            if (Engine::RigidBody* body = api::Body(bolt)) {
                body->SetMotionType(Engine::kKinematicMotion);
                body->gravityScale = 0.0f;
            }
            beam = bolt;
            api::Play(kAttack);
        }
    }
    if (leaving) api::SetVelocity(owner, {5.0f, 0.0f});
    if (api::GameObj* bolt = beam.Get()) {
        timer = 0.0f;
        api::SetVelocity(owner, {0.0f, 0.0f});
        api::SetVelocity(bolt, {0.0f, 0.0f});
        beamTimer += dt;
        api::Shake({1.0f, 1.0f, 0.0f}, 2, 2.99f, dt);
        if (beamTimer > kBeamSeconds) {
            api::Destroy(bolt);
            beam.Reset();
            beamTimer = 0.0f;
            leaving = true;
            strikeTime = 999.9f;
            api::Play(kExit);
        }
    }
    if (api::Position(owner).x > 18.0f) {
        active = false;
        timer = 0.0f;
    }
}
