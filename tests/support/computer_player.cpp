#include "support/computer_player.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "api/script_api.h"
#include "support/key_hands.h"

namespace TestSupport {

namespace {

// The gameplay levels a goal is chosen for.
constexpr const char* kEggLevel = "MapData//Level1.xml";
constexpr const char* kRunner = "MapData//Level4.xml";
constexpr const char* kBossLevel = "MapData//Zurododavad.xml";
constexpr const char* kFoodCourt = "MapData//Level2.xml";

// What hurts a bird that comes at it: projectiles, debris, beams, rocks, meteors.
constexpr const char* kHazards[] = {
    "BossBalls",    "L4Debris", "AsteroidArche", "PipeLazer", "HazardBeam", "ZurododavadBossRock",
    "MeteorLevel1", "UFOArche", "Lightning",     "Minion",
};
constexpr const char* kArmour[] = {"Armor", nullptr};
constexpr const char* kFood[] = {"Scrap", "Food", nullptr};
constexpr const char* kMinions[] = {"ZurododavadMinion", nullptr};

// Frames between uses of the slower keys.
constexpr int kSkillEvery = 150;
constexpr int kUltimateEvery = 45;
constexpr int kDungEvery = 200;

// The boss level: orbs a bird catches before it lets the rest reach the boss
// (the first tier makes its pecks stronger), and roughly how long climbing
// one unit takes while flapping as fast as the keys allow.
constexpr int kWantedTiers = 1;
constexpr float kClimbSecondsPerUnit = 0.15f;

bool IsHazard(const std::string& name) {
    for (const char* hazard : kHazards)
        if (name == hazard) return true;
    return false;
}

float LengthOf(Engine::vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }
float Dot(Engine::vec2 a, Engine::vec2 b) { return a.x * b.x + a.y * b.y; }

bool OnScreen(Engine::vec2 at) { return std::fabs(at.x) < 16.5f && std::fabs(at.y) < 9.5f; }

// A turret's beam only burns once it has locked on: its warning (the lock-on
// texture, thin) and its shot (the beam texture). Scanning, and resting after a
// shot (lock-on texture, still wide, invisible), it is harmless.
bool Armed(const Engine::GameObj* object) {
    if (object->name != "HazardBeam") return true;
    const std::string texture = api::TextureOf(object);
    if (texture == "ZurododavadBossBeam") return true;
    return texture == "ZurododavadLockOnOn" && std::fabs(api::Scale(object).y) < 1.5f && api::Alpha(object) > 0.0f;
}

// The boss level's laser belts reach from the floor to just under the ceiling
// (their top edge at 8): a bird pressed against the ceiling is above them.
constexpr float kCeiling = 9.5f;
constexpr float kBeltTop = 8.0f;
constexpr const char* kBelts[] = {"LaserBeltLeft", "LaserBeltRight"};

}  // namespace

BirdKeys KeysOfPlayer(int player) {
    if (player == 2)
        return {Engine::VK_LEFT, Engine::VK_RIGHT, Engine::VK_UP, Engine::VK_OEM_2, Engine::VK_OEM_PERIOD,
                Engine::VK_RSHIFT, Engine::VK_OEM_COMMA};
    return {'A', 'D', 'W', 'F', 'G', Engine::VK_LSHIFT, 'H'};
}

ComputerPlayer::ComputerPlayer(KeyHands& hands, int player)
    : hands_(hands), player_(player), keys_(KeysOfPlayer(player)),
      myName_(player == 2 ? "Player2" : "Player"), otherName_(player == 2 ? "Player" : "Player2") {}

void ComputerPlayer::Rest() {
    hands_.Hold(keys_.left, false);
    hands_.Hold(keys_.right, false);
}

ComputerPlayer::Goal ComputerPlayer::NearestOf(const Engine::GameObj* me, const char* const* names, Goal otherwise,
                                               float reach) {
    const Engine::vec2 from = api::Position(me);
    float best = 1e9f;
    Goal goal = otherwise;
    for (const Engine::GameObj* object : api::LiveObjects()) {
        bool wanted = false;
        for (const char* const* name = names; *name; ++name) wanted = wanted || object->name == *name;
        const Engine::vec2 at = api::Position(object);
        if (!wanted || !OnScreen(at)) continue;
        const float distance = LengthOf(at - from);
        if (distance < best) {
            best = distance;
            goal = Goal{at, true, reach};
        }
    }
    return goal;
}

ComputerPlayer::Goal ComputerPlayer::EggGoal(const Engine::GameObj* me) {
    // The corner of the screen names each player's role for the round.
    const std::string role = api::TextOf(api::Find(player_ == 1 ? "P1Name" : "P2Name"));
    const Engine::GameObj* egg = api::Find("Egg");
    const Engine::vec2 eggAt = egg ? api::Position(egg) : Engine::vec2{0.0f, 0.0f};
    if (role == "ATTACK") return Goal{eggAt + Engine::vec2{0.0f, 0.5f}, true, 1.8f};
    // Defending: armour first, otherwise stand between the egg and the attacker
    // and peck whoever comes close.
    const Engine::GameObj* attacker = api::Find(otherName_);
    const Engine::vec2 attackerAt = attacker ? api::Position(attacker) : eggAt;
    Goal guard{(eggAt + attackerAt) * 0.5f, LengthOf(attackerAt - api::Position(me)) < 1.6f, 1.6f};
    return NearestOf(me, kArmour, guard, 0.8f);
}

int ComputerPlayer::MyTiers() const {
    // The tier slots its orbs bought line up on its tier bar in its top corner.
    const Engine::GameObj* bar = api::Find(player_ == 1 ? "P1TierBar" : "P2TierBar");
    if (!bar) return 0;
    const Engine::vec2 barAt = api::Position(bar);
    const float halfWidth = std::fabs(api::Scale(bar).x) * 0.5f + 1.0f;
    int tiers = 0;
    for (const Engine::GameObj* slot : api::FindAll("TierBarSlot")) {
        const Engine::vec2 at = api::Position(slot);
        if (std::fabs(at.y - barAt.y) < 0.5f && std::fabs(at.x - barAt.x) < halfWidth) ++tiers;
    }
    return tiers;
}

bool ComputerPlayer::BeltComing(const Engine::GameObj* me) const {
    const Engine::vec2 at = api::Position(me);
    for (const char* name : kBelts) {
        const Engine::GameObj* belt = api::Find(name);
        if (!belt) continue;
        const float beltX = api::Position(belt).x;
        const float speed = api::Velocity(belt).x;
        if (std::fabs(beltX) > 19.0f || std::fabs(speed) < 0.1f) continue;
        const float gap = at.x - beltX;
        // Still touching, or on its way: long enough ahead to climb from the floor.
        if (std::fabs(gap) < 1.6f) return true;
        const float seconds = gap / speed;
        if (seconds > 0.0f && seconds < (kBeltTop + 1.0f - at.y) * kClimbSecondsPerUnit + 1.0f) return true;
    }
    return false;
}

ComputerPlayer::Goal ComputerPlayer::BossGoal(const Engine::GameObj* me) {
    const float side = player_ == 1 ? -1.0f : 1.0f;
    const Engine::vec2 at = api::Position(me);
    // A laser belt sweeping the arena: up against the ceiling until it passed.
    if (BeltComing(me)) return Goal{{at.x, kCeiling}, false, 1.5f, 12, 1};
    const Engine::GameObj* boss = api::Find("Level4Boss");
    if (!boss) return Goal{{side * 7.0f, 1.0f}, false, 1.5f};
    const Engine::vec2 bossAt = api::Position(boss);
    if (bossAt.y < -5.95f) {
        // The energy phase: the orbs roll along the floor from either side to
        // the boss. Standing on its side of the floor the bird catches those
        // coming from there; once it has its first tiers it steps out of their
        // way, so the rest reach the boss and the fight opens sooner.
        if (MyTiers() < kWantedTiers) return Goal{{side * 6.0f, -7.0f}, false, 1.5f};
        return Goal{{side * 6.0f, 2.0f}, false, 1.5f};
    }
    // The fight: inside the boss (it is a ghost: birds pass into it), pecking
    // while it has risen. When its laser has taken aim, to the other side of its
    // centre, where the beam does not reach.
    Engine::vec2 spot = bossAt + Engine::vec2{side * 1.0f, 0.5f};
    if (const Engine::GameObj* beam = api::Find("ZurododavadBossLaser")) {
        const float turn = api::Rotation(beam) * 3.14159265f / 180.0f;
        spot = bossAt - Engine::vec2{std::cos(turn), std::sin(turn)} * 2.4f;
    }
    return Goal{spot, bossAt.y >= 0.0f, 4.0f, 1};
}

ComputerPlayer::Goal ComputerPlayer::ChooseGoal(const std::string& level, const Engine::GameObj* me) {
    if (level == kEggLevel) return EggGoal(me);
    if (level == kRunner) return Goal{{player_ == 1 ? -8.0f : -5.0f, player_ == 1 ? 2.0f : -2.0f}, false, 1.5f};
    if (level == kBossLevel) return BossGoal(me);
    if (level == kFoodCourt) return NearestOf(me, kFood, Goal{{0.0f, 0.0f}, false, 1.5f}, 1.2f);
    // Anywhere else (the practice range): stroll from side to side.
    const float side = (frame_ / 240) % 2 == 0 ? -6.0f : 6.0f;
    return Goal{{player_ == 1 ? side : -side, 0.0f}, (frame_ % 60) < 2, 1.5f};
}

Engine::vec2 ComputerPlayer::Dodge(const Engine::GameObj* me) {
    const Engine::vec2 at = api::Position(me);
    const Engine::vec2 velocity = api::Velocity(me);
    Engine::vec2 away;
    float nearest = 1e9f;
    for (const Engine::GameObj* object : api::LiveObjects()) {
        if (!IsHazard(object->name) || !Armed(object)) continue;
        const Engine::vec2 hazardAt = api::Position(object);
        if (!OnScreen(hazardAt)) continue;
        const Engine::vec2 size = api::Scale(object);
        const float longSide = std::max(std::fabs(size.x), std::fabs(size.y));
        const float shortSide = std::min(std::fabs(size.x), std::fabs(size.y));
        Engine::vec2 offset = hazardAt - at;
        if (longSide > 3.0f * shortSide) {
            // A beam or a belt: what matters is the nearest point of its long axis.
            const float turn = api::Rotation(object) * 3.14159265f / 180.0f + 
                               (std::fabs(size.x) >= std::fabs(size.y) ? 0.0f : 1.5707963f);
            const Engine::vec2 axis{std::cos(turn), std::sin(turn)};
            const float along = std::clamp(-Dot(offset, axis), -longSide * 0.5f, longSide * 0.5f);
            offset = offset + axis * along;
        }
        const float radius = 0.5f * shortSide + 1.2f;
        const Engine::vec2 closing = api::Velocity(object) - velocity;
        // Where the hazard will be nearest within the next second.
        const float speed2 = Dot(closing, closing);
        const float t = speed2 > 1e-4f ? std::clamp(-Dot(offset, closing) / speed2, 0.0f, 1.0f) : 0.0f;
        const Engine::vec2 closest = offset + closing * t;
        const float gap = LengthOf(closest) - radius;
        if (gap < 0.0f && gap < nearest) {
            nearest = gap;
            away = Engine::vec2{0.0f, 0.0f} - closest;
            if (LengthOf(away) < 1e-3f) away = {at.x < 0.0f ? 1.0f : -1.0f, 1.0f};
        }
    }
    return away;
}

void ComputerPlayer::Steer(const Engine::GameObj* me, Engine::vec2 target, Engine::vec2 away, int flapEvery) {
    const Engine::vec2 at = api::Position(me);
    const Engine::vec2 velocity = api::Velocity(me);
    bool goRight = target.x > at.x + 0.4f;
    bool goLeft = target.x < at.x - 0.4f;
    bool rise = target.y > at.y + 0.3f;
    if (LengthOf(away) > 0.0f) {
        ++dodges_;
        goRight = away.x > 0.1f;
        goLeft = away.x < -0.1f;
        rise = away.y > 0.2f;
    }
    hands_.Hold(keys_.right, goRight);
    hands_.Hold(keys_.left, goLeft && !goRight);
    // Flap against gravity while below the goal and not already rising fast.
    if (rise && velocity.y < 3.0f && frame_ % flapEvery == 0) hands_.Tap(keys_.flap);
}

void ComputerPlayer::Think() {
    ++frame_;
    const Engine::GameObj* me = api::Find(myName_);
    if (!me) {
        Rest();
        return;
    }
    const std::string level = api::CurrentLevelPath();
    const Goal goal = ChooseGoal(level, me);
    const Engine::vec2 at = api::Position(me);
    Steer(me, goal.at, Dodge(me), goal.flapEvery);

    // Held in place (a cage, a stun): flapping is the way out of a cage.
    stillFrames_ = LengthOf(at - lastPosition_) < 1e-3f ? stillFrames_ + 1 : 0;
    lastPosition_ = at;
    if (stillFrames_ > 20 && frame_ % 4 == 0) hands_.Tap(keys_.flap);

    if (goal.peck && LengthOf(goal.at - at) < goal.reach && frame_ % goal.peckEvery == 0) {
        // Face the goal first: the peck goes the way the bird looks.
        const bool right = goal.at.x >= at.x;
        hands_.Hold(keys_.right, right);
        hands_.Hold(keys_.left, !right);
        if (hands_.Tap(keys_.peck)) ++pecks_;
    }
    if (frame_ % kSkillEvery == player_ * 7) hands_.Tap(keys_.skill);
    if (frame_ % kUltimateEvery == player_ * 5) hands_.Tap(keys_.ultimate);
    const Engine::GameObj* other = api::Find(otherName_);
    const bool somethingBelow = other && std::fabs(api::Position(other).x - at.x) < 2.0f &&
                                api::Position(other).y < at.y - 1.0f;
    if ((somethingBelow || frame_ % kDungEvery == player_ * 11) && frame_ % 20 == 0) hands_.Tap(keys_.dung);
}

}  // namespace TestSupport
