// DoruZuvo's skill: a bomb sinks slowly from under the bird for one second,
// then bursts into a 5 x 5 gas cloud that hangs there until the third second.

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/skills/skill_effects.h"
#include "game/skills/skill_seconds.h"
#include "game/skills/skills.h"

namespace {
const api::SoundEvent kFart{"event:/Rure_Fart_Skill"};
const api::TextureName kBomb{"Mark"};
const api::TextureName kCloud{"FartBomb"};
const api::ObjectName kGround{"DownBound"};
const api::ObjectName kPlatform{"Platform"};

constexpr float kFuse = 1.0f;
constexpr float kDuration = skills::kFartBombSeconds;
constexpr float kBombSize = 1.0f;
constexpr float kCloudSize = 5.0f;

// Whether the bomb touched the ground or a platform in the last physics step.
bool OnGround(const Engine::GameObj& bomb) {
    for (const Engine::GameObj* other : bomb.previousContacts)
        if (other && (other->name == kGround.c_str() || other->name == kPlatform.c_str())) return true;
    return false;
}

void Shape(Engine::GameObj* bomb, float size) {
    api::SetScale(bomb, {size, size});
    api::SetColliderSize(bomb, size, size);
}
}  // namespace

void skills::FartBombSkill(skills::SkillUser& bird, float dt) {
    const birds::Bird& main = bird.bird;
    Engine::GameObj* self = bird.Object();
    Engine::GameObj* bomb = bird.state.fartBomb.Get();
    if (!main || !self || !bomb) {
        skills::EndSkill(bird);
        return;
    }
    const skills::EmitterRef cloud = skills::EmitterOf(bird.state.finalFartFeedback.Get());

    bird.state.skillElapsed += dt;
    if (bird.state.skillElapsed < kFuse) {
        if (!bird.state.skillStarted) {
            api::SetPosition(bomb, api::Position(self) - Engine::vec2(0.0f, 1.0f));
            api::SetVelocity(bomb, {});
            api::Play(kFart);
            bird.state.skillStarted = true;
        }
        // It sinks slowly, and rests where it meets the ground: the bomb passes
        // through birds, so it would sink through the floor as well.
        if (OnGround(*bomb)) {
            api::SetVelocity(bomb, {});
            api::SetGravityScale(bomb, 0.0f);
        } else {
            api::SetGravityScale(bomb, 0.5f);
        }
        api::SetTexture(bomb, kBomb);
        Shape(bomb, kBombSize);
        main.MarkShot(bomb);
    }
    if (bird.state.skillElapsed > kFuse) {
        if (!bird.state.bombLaunched) api::SetTexture(bomb, kCloud);
        bird.state.bombLaunched = true;
        api::SetVelocity(bomb, {});
        api::SetGravityScale(bomb, 0.0f);
        Shape(bomb, kCloudSize);
        api::SetPosition(bird.state.finalFartFeedback.Get(), api::Position(bomb));
        cloud.SetEmitting(true);
        main.MarkShot(bomb);
        if (bird.state.skillElapsed > kDuration) {
            cloud.SetEmitting(false);
            api::Park(bomb);
            api::SetTexture(bomb, kBomb);
            Shape(bomb, kBombSize);
            skills::EndSkill(bird);
        }
    }
}
