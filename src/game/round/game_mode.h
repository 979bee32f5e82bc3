#pragma once
// The match of the egg level, on "GameLevelSettings": a countdown, then two
// rounds of at most 90 seconds in which one bird attacks the egg and the other
// defends it, roles swapped for the second. A round ends early when the egg is
// destroyed or the defender holds five armour pieces. After the second round
// the result goes into the shared match values and the game leaves for the
// cutscene once the level music has played its ending.
//
// The rounds start once the level's opening dialogue (a `DialogScene` on the
// same object) has finished; a level without one starts them at once.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "api/controls.h"
#include "api/object_ref.h"
#include "api/script.h"
#include "game/birds/bird_links.h"
#include "game/egg/round_state.h"
#include "game/menus/control_prompts.h"

class ThunderClouds;
class Transition;
class EggBehaviour;

class GameMode : public Engine::ScriptBase<GameMode>, public MatchRules, public RoundState, public Engine::HashedState {
public:
    using ScriptBase::ScriptBase;

    static constexpr int32_t kMeteorCount = 10;
    static constexpr float kMeteorInterval = 2.5f;
    static constexpr float kCountdownLength = 3.2f;
    static constexpr float kEndSequenceLength = 2.4f;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;

    // MatchRules
    int32_t MatchMode() const override { return mode; }
    bool InCountdown() const override { return countdown && !matchOver; }

    // Who wins a round, from the egg's health h, its maximum m and the defender's
    // armour a: 1 the defender, 2 the attacker, 3 both.
    enum RoundWinner : int32_t { kDefenderWins = 1, kAttackerWins = 2, kBothWin = 3 };
    static RoundWinner DecideRound(int32_t health, int32_t maxHealth, int32_t armor);

    // Whether the rounds may run: no opening dialogue, or one that has finished.
    bool DialogueDone() const;

    int32_t mode = 1;
    Engine::Gamepad pad1{1};
    Engine::Gamepad pad2{2};

    api::ObjectRef egg, player1, player2, player3, player4, spawner, p1Icon, p2Icon;
    // The icons' lines: each player's keys as bound (pad controls after a pad was used).
    std::array<ControlPrompts::HintLabel, 2> footLines;
    api::ObjectRef victoryScreen, blackMask, thirtySeconds, blackLoadScreen, armorBar;
    api::ObjectRef roundLabel, timerLabel, centreLabel;
    // The two players' corners of the screen, showing each one's role.
    api::ObjectRef p1Name, p2Name;
    api::ObjectRef transitionObject;
    api::ObjectRef cloudSpawner;

    bool matchOver = false;
    bool roundOver = true;
    bool countdown = true;
    int32_t roundNumber = 1;
    int32_t attackingSide = 1;  // 1: "Player" attacks, 2: "Player2" attacks
    int32_t player1Wins = 0;
    int32_t player2Wins = 0;
    int32_t defenderArmor = 0;
    int32_t nextMeteor = 0;
    float roundTime = 90.0f;
    float timeLeft = 90.0f;
    float phaseTimer = 0.0f;
    float meteorTimer = 0.0f;
    std::vector<api::ObjectRef> meteors;
    bool endSequence = false;
    bool thirtyWarned = false;

    // Not in the round's rules, kept for the screens and tests: how each round went.
    std::vector<RoundWinner> roundResults;
    bool resultWritten = false;  // the match result is in the shared values
    bool leaving = false;        // the wipe to the cutscene has started

    Transition* Wipe() const;
    ThunderClouds* Clouds() const;
    EggBehaviour* Egg() const;
    const api::ObjectRef& Attacker() const { return attackingSide == 1 ? player1 : player2; }
    const api::ObjectRef& Defender() const { return attackingSide == 1 ? player2 : player1; }
    float TimeLeft() const override { return timeLeft; }
    float RoundTime() const override { return roundTime; }
    const api::ObjectRef& DefendingBird() const override { return Defender(); }

private:
    void ResetPositions();
    void SpinMeteors(float dt);
    void LaunchMeteors(float dt);
    void RoundLogic(float dt);
    void Countdown(float dt);
    void SetRoles();
    void PlayRound(float dt);
    void EndRound();
    void EndSequence(float dt);
    void DecideRoundResult();
    void PrepareNextRound();
    void MatchEnd();
    void SetCentre(const std::string& text, float x, float y);
    void ShowRoles();

    bool countdownStarted_ = false;
    bool endSequenceStarted_ = false;
    float previousPhase_ = 0.0f;
};
