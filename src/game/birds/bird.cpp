#include "game/birds/bird.h"

#include <utility>

#include "api/bodies.h"
#include "api/script_api.h"

namespace birds {

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};

// Asks the bird's script a question; an empty bird answers `otherwise`.
template <class Face, class Answer>
Answer Ask(const Face* face, Answer (Face::*question)() const, Answer otherwise) {
    return face ? (face->*question)() : otherwise;
}

// Tells the bird's script to do something; an empty bird does nothing.
template <class Face, class... Params, class... Args>
void Tell(Face* face, void (Face::*order)(Params...), Args&&... args) {
    if (face) (face->*order)(std::forward<Args>(args)...);
}
}  // namespace

bool IsBirdName(const std::string& name) { return name == kPlayer.c_str() || name == kPlayer2.c_str(); }

bool IsBirdObject(const api::GameObj* object) { return object && IsBirdName(object->name); }

std::string OpponentName(const std::string& birdName) {
    if (birdName == kPlayer.c_str()) return kPlayer2.c_str();
    if (birdName == kPlayer2.c_str()) return kPlayer.c_str();
    return "";
}

Bird Bird::Of(const api::ObjectRef& object) {
    return api::ScriptOf<BirdBody>(object) ? Bird(object) : Bird();
}

Bird Bird::Of(const Engine::GameObj* object) {
    // A handle only reads the object's slot; the face changes the bird through its scripts.
    return Of(api::ObjectRef(const_cast<Engine::GameObj*>(object)));
}

Bird Bird::Named(const std::string& name) {
    if (name.empty()) return Bird();
    for (api::GameObj* object : api::FindAll(name))
        if (Bird bird = Of(object)) return bird;
    return Bird();
}

BirdBody* Bird::Body() const { return api::ScriptOf<BirdBody>(object_); }
BirdRound* Bird::Round() const { return api::ScriptOf<BirdRound>(object_); }

int Bird::Number() const {
    const api::GameObj* object = Object();
    if (!object) return 0;
    if (object->name == kPlayer.c_str()) return 1;
    return object->name == kPlayer2.c_str() ? 2 : 0;
}

Bird Bird::Opponent() const {
    const api::GameObj* object = Object();
    return object ? Named(OpponentName(object->name)) : Bird();
}

Bird Bird::ShooterOf(const Engine::GameObj* shot) { return shot ? Of(shot->shooter) : Bird(); }

bool Bird::Fired(const Engine::GameObj* shot) const {
    const Engine::GameObj* self = Object();
    return self && shot && shot->shooter == self;
}

void Bird::MarkShot(Engine::GameObj* shot) const {
    if (shot) shot->shooter = Object();
}

// ---- Questions ----------------------------------------------------------------

bool Bird::IsDead() const { return Ask(Body(), &BirdBody::Dead, false); }
bool Bird::IsPecking() const { return Ask(Body(), &BirdBody::Pecking, false); }
bool Bird::IsStunned() const { return Ask(Body(), &BirdBody::Stunned, false); }
bool Bird::IsProtected() const {
    const BirdBody* body = Body();
    const BirdRound* round = Round();
    return (body && body->Blinking()) || (round && round->Immune());
}
bool Bird::IsImmune() const { return Ask(Round(), &BirdRound::Immune, false); }
bool Bird::ControlsLocked() const { return Ask(Body(), &BirdBody::ControlsLocked, false); }
bool Bird::FacingRight() const {
    const BirdBody* body = Body();
    return !body || body->FacingRight();
}
bool Bird::IsAttacker() const { return Ask(Round(), &BirdRound::Attacker, false); }
bool Bird::IsDefender() const { return Ask(Round(), &BirdRound::Defender, false); }
bool Bird::PowerUpBusy() const { return Ask(Round(), &BirdRound::PowerUpBusy, false); }
int32_t Bird::UltimateCharge() const { return Ask(Body(), &BirdBody::UltimateCharge, 0); }
int32_t Bird::Score() const { return Ask(Round(), &BirdRound::Hits, 0); }
int32_t Bird::Armour() const { return Ask(Round(), &BirdRound::Armour, 0); }
Engine::vec2 Bird::SpawnPoint() const { return Ask(Round(), &BirdRound::SpawnPoint, api::Position(Object())); }
Engine::vec2 Bird::SpawnRule() const { return Ask(Round(), &BirdRound::SpawnRule, api::Position(Object())); }
bool Bird::FlapPressed() const {
    BirdBody* body = Body();
    return body && body->FlapPressed();
}
bool Bird::PeckTriggerPressed() const {
    BirdBody* body = Body();
    return body && body->PeckTriggerPressed();
}

// ---- Doing --------------------------------------------------------------------

void Bird::Kill(bool byHazard) const { Tell(Body(), &BirdBody::Kill, byHazard); }
void Bird::KillWithPush() const {
    Kill(false);
    api::AddForce(Object(), {0.0f, -10.0f});
}
bool Bird::KillUnlessProtected(bool byHazard) const {
    if (!*this || IsProtected()) return false;
    Kill(byHazard);
    return true;
}
void Bird::Stun(float seconds, bool blinkAfter) const { Tell(Body(), &BirdBody::Stun, seconds, blinkAfter); }
void Bird::EndStun() const { Tell(Body(), &BirdBody::EndStun); }
void Bird::KnockBack(Engine::vec2 direction, float strength) const {
    Tell(Body(), &BirdBody::KnockBack, direction, strength);
}
void Bird::ShowInjured() const { Tell(Body(), &BirdBody::SwitchAnimation, "Injured"); }
void Bird::AddScore(int32_t hits) const { Tell(Round(), &BirdRound::AddHits, hits); }
void Bird::SetArmour(int32_t pieces) const { Tell(Round(), &BirdRound::SetArmour, pieces); }
void Bird::SetRole(bool attacker) const { Tell(Round(), &BirdRound::SetRole, attacker); }
void Bird::HoldInvulnerable(bool hold) const { Tell(Body(), &BirdBody::HoldInvulnerable, hold); }
void Bird::StartNewRound() const { Tell(Body(), &BirdBody::StartNewRound); }
void Bird::LockControls(bool locked) const { Tell(Body(), &BirdBody::LockControls, locked); }
void Bird::FaceRight(bool right) const { Tell(Body(), &BirdBody::FaceRight, right); }
void Bird::HoldStill() const {
    api::GameObj* object = Object();
    api::SetGravityScale(object, 0.0f);
    api::SetVelocity(object, {0.0f, 0.0f});
    LockControls(true);
}
void Bird::StartWalkIn() const { Tell(Round(), &BirdRound::StartWalkIn); }
void Bird::ReadyUltimate() const { Tell(Body(), &BirdBody::ReadyUltimate); }
void Bird::AddUltimateCharge(int32_t amount) const { Tell(Body(), &BirdBody::AddUltimateCharge, amount); }
void Bird::SetDungReady(bool ready) const { Tell(Body(), &BirdBody::SetDungReady, ready); }
void Bird::EndSkill() const { Tell(Body(), &BirdBody::EndSkill); }
void Bird::SetRespawnBlink(float seconds) const { Tell(Body(), &BirdBody::SetRespawnBlink, seconds); }
void Bird::ShowDeath(const api::ObjectRef& animation) const { Tell(Body(), &BirdBody::ShowDeath, animation); }
void Bird::Grant(bool immunity, bool eggHealth, bool laxative, bool hazard, bool a, bool b) const {
    Tell(Round(), &BirdRound::Grant, immunity, eggHealth, laxative, hazard, a, b);
}
void Bird::SetPickup(bool immunity, bool laxative) const { Tell(Round(), &BirdRound::SetPickup, immunity, laxative); }

}  // namespace birds
