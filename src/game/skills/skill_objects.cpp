// The objects a bird's skill reuses, spawned once when the bird starts and
// parked far away between uses, and the ultimate script the bird carries.

#include "api/script_api.h"
#include "game/birds/character_table.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/skills/skill_kit.h"
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

void SpawnLightningBalls(IndividualPlayerBehaviour& bird, const Engine::GameObj& self) {
    for (api::ObjectRef* ball : {&bird.lightningBall1, &bird.lightningBall2}) {
        Engine::GameObj* object = SpawnOwned(kLightningBall, self);
        skills::ShowSheet(object, kThunderball, 0.3f, 5);
        api::SetGravityScale(object, 0.0f);
        *ball = object;
    }
    bird.ballVelocities = {0.0f, 0.0f};
}

void SpawnScream(IndividualPlayerBehaviour& bird, const Engine::GameObj& self) {
    Engine::GameObj* scream = SpawnOwned(kSoundScream, self);
    api::SetTexture(scream, kScream);
    bird.screamObject = scream;
}

void SpawnCannonBall(IndividualPlayerBehaviour& bird, const Engine::GameObj& self) {
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
    bird.cannonBall = ball;
}

void SpawnFartBomb(IndividualPlayerBehaviour& bird, const Engine::GameObj& self) {
    Engine::GameObj* bomb = SpawnOwned(kFartBomb, self);
    api::SetScale(bomb, {1.0f, 1.0f});
    api::SetGravityScale(bomb, 1.0f);
    api::SetTexture(bomb, kMark);
    bird.fartBomb = bomb;
}

void SpawnFinalFart(IndividualPlayerBehaviour& bird, const Engine::GameObj& self) {
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
    bird.finalFartFeedback = cloud;
}
}  // namespace

void SpawnSkillObjects(IndividualPlayerBehaviour& bird) {
    Engine::GameObj* self = bird.Object();
    if (!self) return;
    SpawnFinalFart(bird, *self);
    switch (bird.characterId) {
        case kRoziDoro: SpawnLightningBalls(bird, *self); break;
        case kVadozaVaza: SpawnScream(bird, *self); break;
        case kDovaDizavov: SpawnCannonBall(bird, *self); break;
        case kDoruZuvo: SpawnFartBomb(bird, *self); break;
        default: break;
    }
    const CharacterRow* row = FindCharacter(bird.characterId);
    if (!row || !row->ultimateScript) return;
    self->AddScript(row->ultimateScript);
    // The bird's container may already be past the point where it starts new
    // scripts: start the ultimate now (starting it twice changes nothing).
    if (Engine::Ultimates* ultimate = api::ScriptOf<Engine::Ultimates>(self)) ultimate->Init();
}
