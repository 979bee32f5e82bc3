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

// Spawns a parked copy of `archetype` carrying the bird's name as its owner.
Engine::GameObj* SpawnOwned(const char* archetype, const Engine::GameObj& bird) {
    Engine::GameObj* object = api::SpawnParked(archetype);
    if (object) object->owner = bird.name;
    return object;
}

void SpawnLightningBalls(skills::SkillUser& bird, const Engine::GameObj& self) {
    for (api::ObjectRef* ball : {&bird.state.lightningBall1, &bird.state.lightningBall2}) {
        Engine::GameObj* object = SpawnOwned(kLightningBall, self);
        skills::ShowSheet(object, kThunderball, 0.3f, 5);
        api::SetGravityScale(object, 0.0f);
        *ball = object;
    }
    bird.state.ballVelocities = {0.0f, 0.0f};
}

void SpawnScream(skills::SkillUser& bird, const Engine::GameObj& self) {
    Engine::GameObj* scream = SpawnOwned(kSoundScream, self);
    api::SetTexture(scream, kScream);
    bird.state.screamObject = scream;
}

void SpawnCannonBall(skills::SkillUser& bird, const Engine::GameObj& self) {
    Engine::GameObj* ball = SpawnOwned(kDung, self);
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

void SpawnFartBomb(skills::SkillUser& bird, const Engine::GameObj& self) {
    Engine::GameObj* bomb = SpawnOwned(kFartBomb, self);
    api::SetScale(bomb, {1.0f, 1.0f});
    api::SetGravityScale(bomb, 1.0f);
    api::SetTexture(bomb, kMark);
    bird.state.fartBomb = bomb;
}

void SpawnFinalFart(skills::SkillUser& bird, const Engine::GameObj& self) {
    Engine::GameObj* cloud = SpawnOwned(kFinalFart, self);
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

void SpawnSharedObjects(SkillUser& bird) {
    if (const Engine::GameObj* self = bird.Object()) SpawnFinalFart(bird, *self);
}

const Skill* SkillOf(int32_t characterId) {
    // Each skill's set-up spawns its objects for the bird whose name they carry.
    static const Skill kSkills[] = {
        {[](SkillUser& b) { if (b.Object()) SpawnLightningBalls(b, *b.Object()); }, LightningBallsSkill},
        {[](SkillUser& b) { if (b.Object()) SpawnScream(b, *b.Object()); }, SoundScreamSkill},
        {[](SkillUser& b) { if (b.Object()) SpawnCannonBall(b, *b.Object()); }, CannonBallSkill},
        {[](SkillUser& b) { if (b.Object()) SpawnFartBomb(b, *b.Object()); }, FartBombSkill},
    };
    static_assert(kRoziDoro == 1 && kVadozaVaza == 2 && kDovaDizavov == 3 && kDoruZuvo == 4);
    if (characterId < 1 || characterId > 4) return nullptr;
    return &kSkills[characterId - 1];
}

}  // namespace skills
