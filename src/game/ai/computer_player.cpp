#include "game/ai/computer_player.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "api/actions.h"
#include "api/bodies.h"
#include "api/script_api.h"
#include "game/ai/key_hands.h"
#include "game/ai/skill_reach.h"
#include "game/birds/character_table.h"
#include "game/levels/level_table.h"
#include "game/skills/skill_seconds.h"

namespace ai {

namespace {

// The gameplay levels a goal is chosen for.

// What hurts a bird that comes at it: projectiles, debris, beams, rocks, meteors.
// Not the runner's drifting asteroids and saucers (scenery without a body) nor
// its minions (a pecking bird kills one for points, any other is only pushed).
constexpr const char* kHazards[] = {
    "BossBalls", "L4Debris", "PipeLazer", "ZurododavadBossRock", "MeteorLevel1", "Lightning",
};
constexpr const char* kArmour[] = {"Armor", nullptr};
// Scraps only: the food on a tray belongs to a customer, and a bird that keeps
// pushing a customer dies.
constexpr const char* kFood[] = {"Scrap", nullptr};

// Frames past its bird's skill and cooldown before it presses the skill again.
constexpr int kSkillSpareFrames = 3;

// Frames between dungs dropped on the off chance.
constexpr int kDungEvery = 200;

// The boss level: orbs a bird catches before it lets the rest reach the boss
// (the first tier makes its pecks stronger).
constexpr int kWantedTiers = 1;

bool IsHazard(const std::string& name) {
    for (const char* hazard : kHazards)
        if (name == hazard) return true;
    return false;
}

float LengthOf(Engine::vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }
float Dot(Engine::vec2 a, Engine::vec2 b) { return a.x * b.x + a.y * b.y; }

bool OnScreen(Engine::vec2 at) { return std::fabs(at.x) < 16.5f && std::fabs(at.y) < 9.5f; }


}  // namespace

ComputerPlayer::ComputerPlayer(KeyHands& hands, int player, Strength strength, unsigned seed)
    : hands_(hands), player_(player), strength_(strength), profile_(ProfileOf(strength)),
      random_(seed * 2654435761u + static_cast<unsigned>(player)), keys_(KeysOfPlayer(player)),
      myName_(player == 2 ? "Player2" : "Player"), otherName_(player == 2 ? "Player" : "Player2") {}

float ComputerPlayer::Wobble() { return std::uniform_real_distribution<float>(-1.0f, 1.0f)(random_); }

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
    // An attacker close to the egg or to the bird gets pecked away from it.
    const float attackerToEgg = LengthOf(attackerAt - eggAt);
    if (attacker && (attackerToEgg < 3.0f || LengthOf(attackerAt - api::Position(me)) < 2.5f))
        return Goal{attackerAt, true, 2.0f};
    Goal guard{eggAt + (attackerAt - eggAt) * 0.4f, false, 1.6f};
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

namespace {

// A straight line that kills what it touches, from `origin` along `direction`;
// `thickness` is the height of the box it sweeps (0 for a plain line).
struct DeadlyLine {
    Engine::vec2 origin, direction;
    float thickness;
};

Engine::vec2 AxisOf(const Engine::GameObj* object) {
    const float turn = api::Rotation(object) * 3.14159265f / 180.0f;
    return {std::cos(turn), std::sin(turn)};
}

// The lines that are about to burn or burning: a turret's beam once it has
// locked on (its thin warning in the lock-on texture, then the beam texture;
// scanning, or resting wide and invisible after a shot, it is harmless), and the
// boss's laser from the moment it has taken aim.
std::vector<DeadlyLine> DeadlyLines() {
    std::vector<DeadlyLine> lines;
    for (const Engine::GameObj* beam : api::FindAll("HazardBeam")) {
        const std::string texture = api::TextureOf(beam);
        const bool warning = texture == "ZurododavadLockOnOn" && std::fabs(api::Scale(beam).y) < 1.5f &&
                             api::Alpha(beam) > 0.0f;
        if (!warning && texture != "ZurododavadBossBeam") continue;
        // The beam is drawn centred half its length out from its turret.
        const Engine::vec2 axis = AxisOf(beam);
        lines.push_back({api::Position(beam) - axis * (std::fabs(api::Scale(beam).x) * 0.5f), axis, 0.0f});
    }
    const Engine::GameObj* boss = api::Find("Level4Boss");
    if (const Engine::GameObj* laser = api::Find("ZurododavadBossLaser"); laser && boss)
        lines.push_back({api::Position(boss), AxisOf(laser), 3.0f});
    return lines;
}

// Whether a bird box of half size `half` at `at` stays clear of every line by
// `margin`: the ray against the box grown by the margin and the line's sweep.
// A flying bird bobs about its goal, more up and down than sideways.
constexpr Engine::vec2 kLineMargin{0.5f, 1.0f};
bool ClearOf(const std::vector<DeadlyLine>& lines, Engine::vec2 at, Engine::vec2 half, Engine::vec2 margin) {
    for (const DeadlyLine& line : lines) {
        const Engine::vec2 grown{half.x + margin.x, half.y + margin.y + line.thickness * 0.5f};
        float enter = 0.0f, leave = 1e9f;
        bool hit = true;
        const float from[2] = {line.origin.x - at.x, line.origin.y - at.y};
        const float along[2] = {line.direction.x, line.direction.y};
        const float extent[2] = {grown.x, grown.y};
        for (int k = 0; k < 2 && hit; ++k) {
            if (std::fabs(along[k]) < 1e-6f) {
                hit = std::fabs(from[k]) <= extent[k];
                continue;
            }
            float t1 = (-extent[k] - from[k]) / along[k];
            float t2 = (extent[k] - from[k]) / along[k];
            if (t1 > t2) std::swap(t1, t2);
            enter = std::max(enter, t1);
            leave = std::min(leave, t2);
            hit = enter <= leave;
        }
        if (hit) return false;
    }
    return true;
}

}  // namespace

ComputerPlayer::Goal ComputerPlayer::BossGoal(const Engine::GameObj* me) {
    const float side = player_ == 1 ? -1.0f : 1.0f;
    const Engine::vec2 at = api::Position(me);
    const Engine::GameObj* boss = api::Find("Level4Boss");
    if (!boss) return Goal{{side * 7.0f, 1.0f}, false, 1.5f};
    const Engine::vec2 bossAt = api::Position(boss);
    Goal goal;
    if (bossAt.y < -5.95f) {
        // The energy phase: the orbs roll along the floor from either side to
        // the boss. Standing on its side of the floor the bird catches those
        // coming from there; once it has its first tiers it steps out of their
        // way, so the rest reach the boss and the fight opens sooner.
        goal = Goal{{side * 6.0f, MyTiers() < kWantedTiers ? -7.0f : 2.0f}, false, 1.5f};
    } else {
        // The fight: inside the boss (a ghost: birds pass into it), pecking
        // while it has risen.
        goal = Goal{bossAt + Engine::vec2{side * 1.0f, 0.5f}, bossAt.y >= 0.0f, 4.0f, 1};
    }
    // Out of the way of a locked turret or the boss's aimed laser: the nearest
    // clear place to the goal, inside the boss while it fights.
    const std::vector<DeadlyLine> lines = DeadlyLines();
    const Engine::Collider* body = api::ColliderOf(me);
    const Engine::vec2 half = body ? Engine::vec2{body->width * 0.5f, body->height * 0.5f} : Engine::vec2{1.0f, 0.75f};
    if (lines.empty() || ClearOf(lines, goal.at, half, kLineMargin)) return goal;
    const Engine::vec2 centre = goal.peck ? bossAt : goal.at;
    const float reach = goal.peck ? 2.5f : 6.0f;
    float best = 1e9f;
    Engine::vec2 chosen = goal.at;
    for (float dx = -reach; dx <= reach; dx += 0.5f) {
        for (float dy = -reach; dy <= reach; dy += 0.5f) {
            const Engine::vec2 spot = centre + Engine::vec2{dx, dy};
            if (std::fabs(spot.x) > 15.0f || spot.y < -6.5f || spot.y > 8.0f) continue;
            if (!ClearOf(lines, spot, half, kLineMargin)) continue;
            // Sideways is quick, down is a fall, up is flapping.
            const Engine::vec2 move = spot - at;
            const float cost = std::fabs(move.x) + (move.y > 0.0f ? 2.0f * move.y : -move.y);
            if (cost < best) {
                best = cost;
                chosen = spot;
            }
        }
    }
    goal.at = chosen;
    return goal;
}

ComputerPlayer::Goal ComputerPlayer::RunnerGoal(const Engine::GameObj* me) {
    // Points in the run: the checkpoint gate pays the first bird through it,
    // a pecked minion pays too. Both players wait at the same distance from
    // the left edge, one above the middle and one below, so neither slot is
    // nearer the gate.
    const Goal home{{-6.0f, player_ == 1 ? 2.0f : -2.0f}, false, 1.5f};
    const Engine::vec2 at = api::Position(me);
    // An unclaimed gate is drawn opaque; a claimed one is faded.
    const Engine::GameObj* gate = api::Find("RunCheckpoint");
    if (gate && OnScreen(api::Position(gate)) && api::Alpha(gate) > 0.99f && api::Position(gate).x > at.x - 1.0f)
        return Goal{{api::Position(gate).x + 1.0f, at.y}, false, 1.5f};
    float best = 1e9f;
    Goal goal = home;
    for (const Engine::GameObj* minion : api::FindAll("Minion")) {
        const Engine::vec2 minionAt = api::Position(minion);
        // Behind the bird's back near the left edge a minion is not worth the chase.
        if (!OnScreen(minionAt) || minionAt.x < -13.0f) continue;
        const float distance = LengthOf(minionAt - at);
        if (distance < best) {
            best = distance;
            goal = Goal{minionAt, true, 1.6f};
        }
    }
    return goal;
}

bool ComputerPlayer::MinionInReach(const Engine::GameObj* me) const {
    const SkillShape shape = SkillShapeOf(api::TextureOf(me));
    const Engine::vec2 at = api::Position(me);
    const float facing = api::Scale(me).x >= 0.0f ? 1.0f : -1.0f;
    const float birdHalfWidth = std::fabs(api::Scale(me).x) * 0.5f;
    for (const Engine::GameObj* minion : api::FindAll("Minion")) {
        const Engine::vec2 minionAt = api::Position(minion);
        if (!OnScreen(minionAt)) continue;
        const Engine::vec2 velocity = api::Velocity(minion);
        const Engine::Collider* body = api::ColliderOf(minion);
        const Engine::vec2 half = body ? Engine::vec2{body->width * 0.5f, body->height * 0.5f} : Engine::vec2{0.5f, 0.5f};
        const SkillTarget target{{(minionAt.x - at.x) * facing, minionAt.y - at.y}, {velocity.x * facing, velocity.y}, half};
        if (SkillWouldMeet(shape, birdHalfWidth, target)) return true;
    }
    return false;
}

ComputerPlayer::Goal ComputerPlayer::ChooseGoal(levels::Mode mode, const Engine::GameObj* me) {
    if (mode == levels::Mode::Egg) return EggGoal(me);
    if (mode == levels::Mode::Runner) return RunnerGoal(me);
    if (mode == levels::Mode::Boss) return BossGoal(me);
    // Waiting for scraps, it keeps above the customers' heads.
    if (mode == levels::Mode::FoodCourt) return NearestOf(me, kFood, Goal{{0.0f, 2.0f}, false, 1.5f}, 1.2f);
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
        if (!IsHazard(object->name)) continue;
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
    const Engine::vec2 at = api::Position(me);
    if (frame_ == 1 || frame_ % profile_.reactionFrames == 0) {
        // A look at the screen: where to go, and whether it notices what comes at it.
        const levels::LevelRow* level = levels::Current();
        mode_ = level ? level->mode : levels::Mode::Practice;
        goal_ = ChooseGoal(mode_, me);
        // Far off it misses by its whole aim error; close by, the eye corrects it.
        const float error = profile_.aimError * std::min(1.0f, LengthOf(goal_.at - at) / 4.0f);
        aimOff_ = {Wobble() * error, Wobble() * error * 0.5f};
        away_ = (Wobble() * 0.5f + 0.5f) <= profile_.dodgeChance ? Dodge(me) : Engine::vec2{};
    }
    const Engine::vec2 aim = goal_.at + aimOff_;
    Steer(me, aim, away_, goal_.flapEvery);

    // Held in place (a cage, a stun): flapping is the way out of a cage.
    stillFrames_ = LengthOf(at - lastPosition_) < 1e-3f ? stillFrames_ + 1 : 0;
    lastPosition_ = at;
    if (stillFrames_ > 20 && frame_ % 4 == 0) hands_.Tap(keys_.flap);

    const int peckEvery = std::max(goal_.peckEvery, profile_.peckEvery);
    if (goal_.peck && LengthOf(aim - at) < goal_.reach && frame_ % peckEvery == 0) {
        // Face the goal first: the peck goes the way the bird looks.
        const bool right = aim.x >= at.x;
        hands_.Hold(keys_.right, right);
        hands_.Hold(keys_.left, !right);
        if (hands_.Tap(keys_.peck)) ++pecks_;
    }
    if (frame_ % profile_.skillEvery == player_ * 7) skillDue_ = true;
    // A player knows its bird: the skill cannot be fired again until it has
    // run and its cooldown has passed, so a press before that is not wasted on
    // it (VadozaVaza's 7 s cooldown lost every other press).
    const int32_t character = BirdOfPicture(api::TextureOf(me));
    const CharacterRow* row = FindCharacter(character);
    const int cooldownFrames = static_cast<int>((row ? row->skillCooldown : 0.0f) * 60.0f) + kSkillSpareFrames;
    // A bird enters a level with its skill cooling down.
    if (skillReadyFrame_ < 0) skillReadyFrame_ = frame_ + cooldownFrames;
    if (skillDue_ && frame_ >= skillReadyFrame_ && (mode_ != levels::Mode::Runner || MinionInReach(me))) {
        // In the runner the skill waits for a minion where this bird's skill
        // will meet it: it pays for every minion it hits.
        hands_.Tap(keys_.skill);
        skillDue_ = false;
        skillReadyFrame_ = frame_ + static_cast<int>(skills::SkillSeconds(character) * 60.0f) + cooldownFrames;
    }
    if (frame_ % profile_.ultimateEvery == player_ * 5) hands_.Tap(keys_.ultimate);
    const Engine::GameObj* other = api::Find(otherName_);
    const auto below = [&at](const Engine::GameObj* target) {
        return target && std::fabs(api::Position(target).x - at.x) < 2.0f && api::Position(target).y < at.y - 1.0f &&
               OnScreen(api::Position(target));
    };
    bool somethingBelow = below(other);
    if (mode_ == levels::Mode::Runner)
        for (const Engine::GameObj* minion : api::FindAll("Minion")) somethingBelow = somethingBelow || below(minion);
    if ((somethingBelow || frame_ % kDungEvery == player_ * 11) && frame_ % 20 == 0) hands_.Tap(keys_.dung);
}

}  // namespace ai
