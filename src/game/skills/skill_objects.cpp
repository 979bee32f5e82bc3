// The objects a bird's skill reuses, spawned once when the bird starts and
// parked far away between uses, and the table of the four skills.

#include "api/script_api.h"
#include "game/birds/character_table.h"
#include "game/skills/skill_effects.h"
#include "game/skills/skills.h"

namespace {
const api::ArchetypeName kLightningBall{"LightningBall"};
const api::ArchetypeName kSoundScream{"SoundScream"};
const api::ArchetypeName kDung{"Dung"};
const api::ArchetypeName kFartBomb{"FartBomb"};
const api::ArchetypeName kFinalFart{"FinalFartFeedBack"};
const api::TextureName kThunderball{"Thunderball"};
const api::TextureName kScream{"Scream"};
const api::TextureName kCannonBall{"AnimatedCannonBall"};
const api::TextureName kMark{"Mark"};
const api::TextureName kGas{"FartBomb"};

// Spawns a parked copy of `archetype` that the bird fires.
Engine::GameObj* SpawnOwned(const char* archetype, const skills::SkillUser& user) {
    Engine::GameObj* object = api::SpawnParked(archetype);
    user.bird.MarkShot(object);
    return object;
}

void SpawnLightningBalls(skills::SkillUser& bird) {
    for (api::ObjectRef* ball : {&bird.state.lightningBall1, &bird.state.lightningBall2}) {
        Engine::GameObj* object = SpawnOwned(kLightningBall, bird);
        skills::ShowSheet(object, kThunderball, 0.3f, 5);
        api::SetGravityScale(object, 0.0f);
        *ball = object;
    }
    bird.state.ballVelocities = {0.0f, 0.0f};
}

void SpawnScream(skills::SkillUser& bird) {
    Engine::GameObj* scream = SpawnOwned(kSoundScream, bird);
    api::SetTexture(scream, kScream);
    bird.state.screamObject = scream;
}

void SpawnCannonBall(skills::SkillUser& bird) {
    Engine::GameObj* ball = SpawnOwned(kDung, bird);
    if (!ball) return;
    skills::ShowSheet(ball, kCannonBall, 0.1f, 5);
    api::SetScale(ball, {1.0f, 1.0f});
    api::SetGravityScale(ball, 0.0f);
    // The ball trails sparks of its own picture.
    skills::EmitterRef trail = skills::EmitterOf(ball);
    if (!trail) {
        skills::EmitterLook look;
        look.interval = 0.05f;
        look.maxParticles = 40;
        look.particleSize = {0.5f, 0.5f};
        look.lifetime = 0.4f;
        look.speed = 1.0f;
        trail = skills::AddEmitter(ball, look);
    }
    trail.SetTexture(kCannonBall);
    trail.SetEmitting(false);
    bird.state.cannonBall = ball;
}

void SpawnFartBomb(skills::SkillUser& bird) {
    Engine::GameObj* bomb = SpawnOwned(kFartBomb, bird);
    api::SetScale(bomb, {1.0f, 1.0f});
    api::SetGravityScale(bomb, 1.0f);
    api::SetTexture(bomb, kMark);
    bird.state.fartBomb = bomb;
}

void SpawnFinalFart(skills::SkillUser& bird) {
    Engine::GameObj* cloud = SpawnOwned(kFinalFart, bird);
    skills::EmitterLook look;
    look.texture = kGas.c_str();
    look.interval = 0.1f;
    look.maxParticles = 1000;
    look.particleSize = {1.1f, 1.1f};
    look.lifetime = 5.0f;
    look.speed = 1.0f;
    look.colorMin = 0x00000000;
    look.colorMax = 0x64FFFFFF;
    skills::AddEmitter(cloud, look);
    bird.state.finalFartFeedback = cloud;
}
}  // namespace

namespace skills {

void SpawnSharedObjects(SkillUser& bird) { SpawnFinalFart(bird); }

const Skill* SkillOf(int32_t characterId) {
    // Each skill's set-up spawns its objects, fired by the bird that uses it.
    static const Skill kSkills[] = {
        {SpawnLightningBalls, LightningBallsSkill},
        {SpawnScream, SoundScreamSkill},
        {SpawnCannonBall, CannonBallSkill},
        {SpawnFartBomb, FartBombSkill},
    };
    static_assert(kRoziDoro == 1 && kVadozaVaza == 2 && kDovaDizavov == 3 && kDoruZuvo == 4);
    if (characterId < 1 || characterId > 4) return nullptr;
    return &kSkills[characterId - 1];
}

}  // namespace skills
