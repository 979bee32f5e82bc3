#pragma once
// A computer player: plays one bird ("Player" or "Player2") through the same
// keys a person presses, with the bindings the bird scripts give each player.
// It reads the world only through the script API's read-only calls (where
// objects are, how they move, their size, turn and texture, a label's text,
// the current level) and never touches a script: whatever it achieves, the
// game's own rules decide.
//
// Every frame it picks a goal for the level it is in (the egg or an armour
// piece in the egg level by the role its corner shows; in the runner the
// checkpoint gate before the other bird gets it, a minion to peck, or a place
// to hold; food in the food court, a stroll in the practice range; in the boss
// level, its side of the floor where the energy orbs roll until it caught one,
// then a place inside the boss, moved clear of a locked turret's line and of
// the boss's aimed laser), dodges what comes at it, walks and flaps towards
// the goal, pecks what it reached, and uses its dung, skill and ultimate keys
// as often as its strength has them in mind. It looks at the screen once per
// its reaction time and follows that look until the next; its aim is off by
// its aim error. It draws on its own random numbers, never the game's.

#include <random>
#include <string>

#include "api/maths.h"
#include "game/ai/bird_keys.h"
#include "game/ai/strength.h"
#include "game/levels/level_table.h"

namespace Engine {
class GameObj;
}

namespace ai {

class KeyHands;

class ComputerPlayer {
public:
    // `player` is 1 or 2; `hands` is shared with whatever else presses keys;
    // `seed` starts its own random numbers (its aim error and its lapses).
    ComputerPlayer(KeyHands& hands, int player, Strength strength = Strength::Hard, unsigned seed = 1);

    // Decides this frame's keys; call after KeyHands::NextFrame, before the step.
    void Think();
    // Lets go of its keys (between levels, on menus).
    void Rest();

    // What it did, for the test's messages.
    int pecks() const { return pecks_; }
    int dodges() const { return dodges_; }
    int player() const { return player_; }
    Strength strength() const { return strength_; }

private:
    struct Goal {
        Engine::vec2 at;
        bool peck = false;        // peck once it is within `reach`
        float reach = 1.5f;
        int peckEvery = 1;        // frames between pecks at least (the strength may wait longer)
        int flapEvery = 3;        // frames between flaps while climbing
    };

    Goal ChooseGoal(levels::Mode mode, const Engine::GameObj* me);
    Goal EggGoal(const Engine::GameObj* me);
    Goal BossGoal(const Engine::GameObj* me);
    Goal RunnerGoal(const Engine::GameObj* me);
    // A runner minion that this bird's skill, fired now, would meet.
    bool MinionInReach(const Engine::GameObj* me) const;
    // Tier slots on this player's tier bar in the boss level (one per orb caught).
    int MyTiers() const;
    Goal NearestOf(const Engine::GameObj* me, const char* const* names, Goal otherwise, float reach);
    // The way out of the nearest thing coming at the bird, or (0, 0).
    Engine::vec2 Dodge(const Engine::GameObj* me);
    void Steer(const Engine::GameObj* me, Engine::vec2 target, Engine::vec2 away, int flapEvery);

    // A number in [-1, 1] from its own random numbers.
    float Wobble();

    KeyHands& hands_;
    int player_;
    Strength strength_;
    const StrengthProfile& profile_;
    std::mt19937 random_;
    BirdKeys keys_;
    // The last look at the screen: where it goes and what it dodges until the next.
    Goal goal_;
    Engine::vec2 away_;
    Engine::vec2 aimOff_;
    std::string myName_, otherName_;
    int frame_ = 0;
    levels::Mode mode_ = levels::Mode::Practice;
    // Its strength has the skill in mind; it waits for a target where one is needed.
    bool skillDue_ = false;
    // The frame from which its bird's skill can be fired again (-1 before it
    // has seen its bird).
    int skillReadyFrame_ = -1;
    int pecks_ = 0;
    int dodges_ = 0;
    Engine::vec2 lastPosition_;
    int stillFrames_ = 0;
};

}  // namespace ai
