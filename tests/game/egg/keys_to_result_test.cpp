// The egg level played from the keyboard alone: "Player" flies over the
// defender and drops dung on it (G), fires its skill (H), then flies to the
// egg and pecks it (F) until it breaks; the round goes to the attacker, the
// second round runs out with the egg whole (a round for both), and the match
// records "Player" as the winner, two rounds to one. Nothing but key presses
// touches the birds or the egg; with idle or broken birds both rounds run out
// with the egg whole and the match is a draw.

#include "egg_fixture.h"

#include <algorithm>
#include <cmath>

#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/egg/egg_behaviour.h"
#include "game/game_values.h"

namespace {

const auto& kKeys = IndividualPlayerBehaviour::kPlayer1Keys;  // Left Right Flap Peck Shit Ulti Skill
const Engine::VirtualKey kLeft = kKeys[0], kRight = kKeys[1], kFlap = kKeys[2], kPeck = kKeys[3], kDung = kKeys[4],
                         kSkill = kKeys[6];

struct KeysToResult : EggFixture {
    int frame = 0;

    Engine::ScriptedKeyStateSource& Keys() { return engine->keys(); }

    // One frame of steering "Player" towards `target` with its keys: walk
    // towards it, flap in short taps while below it. `tap` is held this frame.
    void SteerStep(api::vec2 target, Engine::VirtualKey tap = 0) {
        const api::vec2 at = api::Position(Find("Player"));
        Keys().Set(kRight, target.x - at.x > 0.3f);
        Keys().Set(kLeft, target.x - at.x < -0.3f);
        Keys().Set(kFlap, at.y < target.y - 0.3f && frame % 8 == 0);
        for (Engine::VirtualKey key : {kPeck, kDung, kSkill}) Keys().Set(key, key == tap);
        engine->Step();
        ++frame;
    }
    void LetGo() {
        Keys().ReleaseAll();
        engine->Step();
    }
    static float Distance(api::vec2 a, api::vec2 b) { return std::hypot(a.x - b.x, a.y - b.y); }
};

TEST_F(KeysToResult, DungSkillAndPecksFromTheKeysBreakTheEggAndWinTheMatch) {
    OpenLevel();
    WaitForRoundStart();
    ASSERT_TRUE(Round("Player")->State().isAttacker);
    MainPlayerBehaviour* attacker = Bird("Player");
    MainPlayerBehaviour* defender = Bird("Player2");

    // Dung: over the defender, G when above it, until it is stunned.
    bool stunnedByDung = false;
    for (int i = 0; i < 60 * 20 && !stunnedByDung; ++i) {
        const api::vec2 target = api::Position(Find("Player2")) + api::vec2{0.0f, 2.5f};
        const api::vec2 at = api::Position(Find("Player"));
        const bool above = std::fabs(at.x - target.x) < 0.5f && at.y > target.y - 1.0f;
        SteerStep(target, above && frame % 4 == 0 ? kDung : 0);
        stunnedByDung = defender->State().stunned;
    }
    EXPECT_TRUE(stunnedByDung) << "the dung from G never stunned the defender";

    // Skill: H once its cooldown is over.
    for (int i = 0; i < 60 * 4 && attacker->State().skillTimer <= attacker->State().skillCooldown; ++i) LetGo();
    Keys().Press(kSkill);
    engine->Step();
    Keys().Release(kSkill);
    EXPECT_TRUE(attacker->State().skillRequested) << "H did not start the skill";

    // Pecks: to the egg and F every 40 frames until the round is decided.
    EggBehaviour* egg = Egg();
    const int32_t startHealth = egg->health;
    int32_t lowest = startHealth;
    int pecksNearEgg = 0;
    for (int i = 0; i < 60 * 90 && Mode()->roundResults.empty(); ++i) {
        const api::vec2 target = api::Position(Find("Egg"));
        const bool close = Distance(api::Position(Find("Player")), target) < 1.5f;
        const bool peck = close && frame % 40 == 0;
        pecksNearEgg += peck;
        SteerStep(target, peck ? kPeck : 0);
        if (Egg()) lowest = std::min(lowest, Egg()->health);
    }
    Keys().ReleaseAll();
    EXPECT_LT(lowest, startHealth) << "no peck reached the egg";
    ASSERT_EQ(Mode()->roundResults.size(), 1u) << "the round did not end (" << pecksNearEgg << " pecks near the egg)";
    EXPECT_EQ(Mode()->roundResults[0], GameMode::kAttackerWins);
    EXPECT_EQ(Mode()->player1Wins, 1);

    // Round two: "Player" defends and nobody touches the egg; a short round
    // keeps the test quick and runs out with the egg whole.
    ASSERT_TRUE(StepUntil([&] { return Round("Player")->State().isDefender && Mode()->countdown; }, 60 * 10));
    Mode()->roundTime = Mode()->timeLeft = 5.0f;
    WaitForRoundStart();
    Mode()->timeLeft = std::min(Mode()->timeLeft, 5.0f);
    ASSERT_TRUE(StepUntil([&] { return Mode()->resultWritten; }, 60 * 30));
    ASSERT_EQ(Mode()->roundResults.size(), 2u);
    EXPECT_EQ(Mode()->roundResults[1], GameMode::kBothWin) << "an untouched egg is a round for both";
    EXPECT_EQ(Mode()->player1Wins, 2);
    EXPECT_EQ(Mode()->player2Wins, 1);
    EXPECT_TRUE(Game::matchResultReady);
    EXPECT_EQ(Game::winnerName, "Player");
    EXPECT_EQ(Game::winnerTag, "P1");
    EXPECT_EQ(Game::matchModeName, "Vozedoreroz");
}

}  // namespace
