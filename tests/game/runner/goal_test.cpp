// The end of the run: the boss blows up while the birds hang still, the way out
// opens, the birds fly off and the result is recorded for every outcome.
#include "game/game_values.h"
#include "game/menus/transition.h"
#include "game/runner/boss.h"
#include "game/runner/l4_checkpoint.h"
#include "game/runner/l4_goal.h"
#include "game/runner/l4_minion.h"
#include "physics/collider.h"
#include "runner_fixture.h"

namespace {

struct GoalFixture : RunnerFixture {
    L4Goal* goal = nullptr;
    void ReachGoal() {
        Open();
        JumpTo(180.0f);  // the boss arrives first
        Step();
        JumpTo(229.99f);
        Step(2);
        // The last checkpoint is long gone by now.
        api::SetPosition(Find("RunCheckpoint"), {270.0f, -40.0f});
        api::ScriptOf<L4Checkpoint>(Find("RunCheckpoint"))->speed = 0.0f;
        goal = api::ScriptOf<L4Goal>(Find("L4Goal"));
        ASSERT_NE(goal, nullptr);
    }
    // Steps until the result is written, at most `maxFrames`.
    bool StepUntilResult(int maxFrames) {
        for (int frame = 0; frame < maxFrames && !goal->resultWritten; ++frame) Step();
        return goal->resultWritten;
    }
};

struct Outcome {
    int player1;
    int player2;
    const char* winnerName;
    const char* winnerTag;
};

class RunResult : public GoalFixture, public ::testing::WithParamInterface<Outcome> {};

TEST_P(RunResult, IsRecordedForTheResultScenes) {
    const Outcome& o = GetParam();
    Game::matchResultReady = false;
    Game::winnerTag = "stale";
    Game::winnerName = "stale";
    Game::matchModeName = "Vozedoreroz";
    ReachGoal();
    SetScore(bird1(), o.player1);
    SetScore(bird2(), o.player2);
    api::SetPosition(bird1(), {0.0f, 2.0f});
    api::SetPosition(bird2(), {0.0f, -2.0f});
    ASSERT_TRUE(StepUntilResult(60 * 25));
    EXPECT_TRUE(Game::matchResultReady);
    EXPECT_EQ(Game::matchModeName, "Rudorarurozavir");
    EXPECT_EQ(Game::winnerName, o.winnerName);
    EXPECT_EQ(Game::winnerTag, o.winnerTag);
    const Transition* wipe = api::FindScript<Transition>("TransitionBird");
    ASSERT_NE(wipe, nullptr);
    EXPECT_TRUE(wipe->leaving);
    EXPECT_EQ(wipe->targetKey, "CutScene");
}

INSTANTIATE_TEST_SUITE_P(Runner, RunResult,
                         ::testing::Values(Outcome{120, 80, "Player", "P1"}, Outcome{35, 300, "Player2", "P2"},
                                           Outcome{150, 150, "Draw", "Draw"}, Outcome{0, 0, "Draw", "Draw"}),
                         [](const ::testing::TestParamInfo<Outcome>& info) {
                             return std::string(info.param.winnerName) + "_" + std::to_string(info.index);
                         });

TEST_F(GoalFixture, TheBossBlowsUpWhileTheBirdsHangStillThenTheWayOutOpens) {
    ReachGoal();
    Boss* boss = api::FindScript<Boss>("Boss");
    ASSERT_NE(boss, nullptr);
    api::SetPosition(bird1(), {-3.0f, 2.0f});
    api::SetVelocity(bird1(), {4.0f, 4.0f});
    Step(60);
    EXPECT_TRUE(boss->dead);
    EXPECT_TRUE(boss->ballsReset);
    EXPECT_FALSE(api::FindScript<L4Minion>("L4Spawners")->enabled);
    EXPECT_FLOAT_EQ(api::Velocity(bird1()).x, 0.0f);
    EXPECT_NEAR(api::Position(bird1()).x, -3.0f, 0.1f);
    Engine::Collider* rightBound = api::ColliderOf(Find("RightBound"));
    EXPECT_FALSE(rightBound->ghost);
    Step(60 * 5);  // past 5.5 s
    EXPECT_TRUE(rightBound->ghost) << "the birds may leave to the right";
    EXPECT_TRUE(goal->deathSoundPlayed);
    EXPECT_GT(api::Position(goal->bigExplosion.Get()).x, 200.0f);
    Step(60 * 2);  // past 7 s
    EXPECT_FLOAT_EQ(api::Velocity(bird1()).x, 10.0f);
    EXPECT_GT(api::Position(bird1()).x, -3.0f);
}

TEST_F(GoalFixture, ABirdThatNeverLeavesDoesNotHoldTheResultBackForEver) {
    ReachGoal();
    SetScore(bird1(), 1);
    bool written = false;
    for (int frame = 0; frame < 60 * 30 && !written; ++frame) {
        api::SetPosition(bird2(), {0.0f, 0.0f});  // stuck in the middle
        Step();
        written = goal->resultWritten;
    }
    EXPECT_TRUE(written);
    EXPECT_EQ(Game::winnerName, "Player");
    EXPECT_GT(goal->timer, L4Goal::kLeaveTimeout);
}

TEST_F(GoalFixture, TheScreenFadesToBlackBeforeTheScoreIsComputed) {
    ReachGoal();
    api::SetPosition(bird1(), {16.0f, 2.0f});
    api::SetPosition(bird2(), {16.0f, -2.0f});
    for (int frame = 0; frame < 60 * 12 && goal->fadeTimer < 0.5f; ++frame) Step();
    Engine::GameObj* screen = Find("BlackLoadScreen");
    const uint32_t alpha = screen->GetSprite()->color >> 24;
    EXPECT_GE(alpha, 0x33u);
    EXPECT_LE(alpha, 0x55u);
    EXPECT_FALSE(goal->resultWritten);
    for (int frame = 0; frame < 60 * 2 && goal->fadeTimer < 2.0f; ++frame) Step();
    EXPECT_EQ(screen->GetSprite()->color, 0xFF000000u);
    EXPECT_EQ(goal->label->text, "Computing Score...");
    EXPECT_TRUE(StepUntilResult(60 * 12));
}

}  // namespace
