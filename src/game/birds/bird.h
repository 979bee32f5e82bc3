#pragma once
// A bird, as every script but the bird's own sees it.
//
// A bird object carries three scripts: its body (keys and pad, stamina,
// stun, death and respawn), its round companion (spawn point, role in the egg
// rounds, power-ups, armour, score) and its character (looks, statistics,
// skill). Other scripts never hold those scripts: they take a `birds::Bird`
// for the object and ask it, and the bird keeps its state to itself.
//
//   const birds::Bird bird = birds::Bird::Of(other);
//   if (bird && !bird.IsProtected()) bird.Kill(true);
//
// A Bird keeps an object handle, so keeping one across frames is safe: once
// the object is gone it answers like an empty bird (false, 0, nothing done).

#include <cstdint>
#include <string>

#include "api/controls.h"
#include "api/maths.h"
#include "api/object_ref.h"

namespace birds {

// "Player" and "Player2": the two birds of a match.
bool IsBirdName(const std::string& name);
// The object is one of the two birds, by its name.
bool IsBirdObject(const Engine::GameObj* object);
// "Player2" for "Player", "Player" for "Player2", empty for anything else.
std::string OpponentName(const std::string& birdName);

// What the bird's body script answers for the face (the bird implements it).
class BirdBody {
public:
    virtual ~BirdBody() = default;
    virtual bool Dead() const = 0;
    virtual bool Pecking() const = 0;
    virtual bool Stunned() const = 0;
    virtual bool ControlsLocked() const = 0;
    virtual bool FacingRight() const = 0;
    // Blinking invulnerable after a respawn or a stun.
    virtual bool Blinking() const = 0;
    virtual int32_t UltimateCharge() const = 0;
    virtual void Kill(bool byHazard) = 0;
    virtual void Stun(float duration, bool blinkAfter) = 0;
    virtual void EndStun() = 0;
    virtual void KnockBack(Engine::vec2 direction, float strength) = 0;
    virtual void SwitchAnimation(const std::string& action) = 0;
    virtual void LockControls(bool locked) = 0;
    virtual void FaceRight(bool right) = 0;
    virtual void ReadyUltimate() = 0;
    virtual void AddUltimateCharge(int32_t amount) = 0;
    virtual void SetDungReady(bool ready) = 0;
    virtual void EndSkill() = 0;
    virtual void SetRespawnBlink(float seconds) = 0;
    virtual void ShowDeath(const api::ObjectRef& animation) = 0;
    // The controller script's pad (null: keep its own), taken when the bird starts.
    virtual void HoldInvulnerable(bool hold) = 0;
    virtual void StartNewRound() = 0;
    virtual void TakePad(const Engine::Gamepad* pad) = 0;
    virtual bool FlapPressed() = 0;
    virtual bool PeckTriggerPressed() = 0;
};

// What the bird's round companion answers for the face.
class BirdRound {
public:
    virtual ~BirdRound() = default;
    virtual bool Immune() const = 0;
    virtual bool Attacker() const = 0;
    virtual bool Defender() const = 0;
    virtual bool PowerUpBusy() const = 0;
    virtual int32_t Hits() const = 0;
    virtual void AddHits(int32_t hits) = 0;
    virtual int32_t Armour() const = 0;
    virtual void SetArmour(int32_t pieces) = 0;
    virtual void SetRole(bool attacker) = 0;
    virtual Engine::vec2 SpawnPoint() const = 0;
    virtual Engine::vec2 SpawnRule() const = 0;
    virtual void StartWalkIn() = 0;
    virtual void BirdDied() = 0;
    virtual void ResetPowerUps() = 0;
    // Sets the spawn point from the spawn rule and answers it.
    virtual Engine::vec2 RefreshSpawnPoint() = 0;
    // A power-up pickup (see RoundPlayerBehaviour::Grant).
    virtual void Grant(bool immunity, bool eggHealth, bool laxative, bool hazard, bool a, bool b) = 0;
    // The practice range's pickups set their effect even while another runs.
    virtual void SetPickup(bool immunity, bool laxative) = 0;
};

class Bird {
public:
    Bird() = default;
    // The bird on this object, or an empty bird when it carries no bird script.
    static Bird Of(const api::ObjectRef& object);
    static Bird Of(const Engine::GameObj* object);
    // The current level's bird of that name ("Player", "Player2", ...), or empty.
    static Bird Named(const std::string& name);

    explicit operator bool() const { return Body() != nullptr; }
    Engine::GameObj* Object() const { return object_.Get(); }
    const api::ObjectRef& Ref() const { return object_; }
    // 1 for "Player", 2 for "Player2", 0 for any other bird.
    int Number() const;
    // The other bird of the match, or empty.
    Bird Opponent() const;
    // The bird that fired `shot` (its dung, a skill's or an ultimate's object), or empty.
    static Bird ShooterOf(const Engine::GameObj* shot);
    // Whether this bird fired `shot`.
    bool Fired(const Engine::GameObj* shot) const;
    // `shot` is this bird's from now on: what it hits is the bird's doing.
    void MarkShot(Engine::GameObj* shot) const;

    // ---- Questions ----
    bool IsDead() const;
    bool IsPecking() const;
    bool IsStunned() const;
    // Immune (power-up) or blinking invulnerable: harm passes it by.
    bool IsProtected() const;
    // Immune by a power-up (blinking aside).
    bool IsImmune() const;
    bool ControlsLocked() const;
    bool FacingRight() const;
    bool IsAttacker() const;
    bool IsDefender() const;
    bool PowerUpBusy() const;
    int32_t UltimateCharge() const;
    // The hit counter that scores the runner and the boss fight.
    int32_t Score() const;
    int32_t Armour() const;
    Engine::vec2 SpawnPoint() const;
    // Where the level's rules put the bird now (see RoundPlayerBehaviour::SpawnRule).
    Engine::vec2 SpawnRule() const;
    // Whether the player pressed flap (key or pad A) or the pad's right trigger this frame.
    bool FlapPressed() const;
    bool PeckTriggerPressed() const;

    // ---- Doing ----
    // Dies and respawns after the delay; `byHazard` also shows the hazard death.
    void Kill(bool byHazard = false) const;
    // Dies pushed downwards (the runner's hazards).
    void KillWithPush() const;
    // Dies unless protected; true when it died.
    bool KillUnlessProtected(bool byHazard) const;
    void Stun(float seconds, bool blinkAfter = false) const;
    // A stun that lasts until EndStun.
    void EndStun() const;
    void KnockBack(Engine::vec2 direction, float strength) const;
    void ShowInjured() const;
    void AddScore(int32_t hits) const;
    void SetArmour(int32_t pieces) const;
    // The egg rounds: attacker, or defender.
    void SetRole(bool attacker) const;
    // Invulnerable (without blinking) until released, between two egg rounds.
    void HoldInvulnerable(bool hold) const;
    // Full stamina, alive and the pad still, for the next egg round.
    void StartNewRound() const;
    void LockControls(bool locked) const;
    void FaceRight(bool right) const;
    // No gravity, no motion, no controls: the birds at the end of the run.
    void HoldStill() const;
    // The walk-in from the left edge once the level is revealed.
    void StartWalkIn() const;
    void ReadyUltimate() const;
    void AddUltimateCharge(int32_t amount) const;
    void SetDungReady(bool ready) const;
    // The skill ends: the bird may request it again once its cooldown passed.
    void EndSkill() const;
    // How long the bird blinks invulnerable after its next respawn.
    void SetRespawnBlink(float seconds) const;
    // Dies showing `animation` (a spawned object) instead of the bird's own.
    void ShowDeath(const api::ObjectRef& animation) const;
    void Grant(bool immunity, bool eggHealth, bool laxative, bool hazard, bool a, bool b) const;
    void SetPickup(bool immunity, bool laxative) const;

private:
    explicit Bird(const api::ObjectRef& object) : object_(object) {}
    BirdBody* Body() const;
    BirdRound* Round() const;

    api::ObjectRef object_;
};

}  // namespace birds
