// The run's clock and what it brings: the schedule's objects at their times and
// places, the phases that switch minions and send the checkpoint, the clean-up
// at the end times, the debug skip and the last minute's countdown.
#include "game/runner/boss.h"
#include "game/runner/l4_checkpoint.h"
#include "game/runner/l4_minion.h"
#include "game/runner/run_schedule.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "runner_fixture.h"

namespace {

TEST(RunSchedule, ListsEveryEntryInOrderWithItsTimesAndPlaces) {
    api::Seed(7);
    const std::vector<runner::ScheduleEntry> schedule = runner::BuildSchedule();
    ASSERT_EQ(schedule.size(), 3u + 20u + 40u + 20u + 1u);
    EXPECT_EQ(schedule[0].archetype, "L4Section2");
    EXPECT_EQ(schedule[1].archetype, "L4Section3");
    EXPECT_EQ(schedule[2].archetype, "L4Goal");
    EXPECT_FLOAT_EQ(schedule[2].spawnTime, 230.0f);
    EXPECT_FLOAT_EQ(schedule[2].endTime, 9999.0f);
    for (int k = 0; k < 20; ++k) {
        const runner::ScheduleEntry& debris = schedule[static_cast<size_t>(3 + k)];
        EXPECT_EQ(debris.archetype, "L4Debris");
        EXPECT_FLOAT_EQ(debris.spawnTime, 55.0f);
        EXPECT_FLOAT_EQ(debris.endTime, 100.0f);
        EXPECT_FLOAT_EQ(debris.position.x, 16.0f + 5.0f * static_cast<float>(k % 10));
        if (k < 10) {
            EXPECT_GE(debris.position.y, 6.0f);
            EXPECT_LE(debris.position.y, 7.25f);
        } else {
            EXPECT_GE(debris.position.y, -8.5f);
            EXPECT_LE(debris.position.y, -6.0f);
        }
    }
    // Pipe and tunnel pairs, then the lower pipes, 23 units apart.
    EXPECT_EQ(schedule[23].archetype, "L4Pipe");
    EXPECT_EQ(schedule[24].archetype, "L4Section1");
    EXPECT_FLOAT_EQ(schedule[25].position.x, 39.0f);
    EXPECT_FLOAT_EQ(schedule[24].position.y, 0.0f);
    EXPECT_FLOAT_EQ(schedule[63].position.y, -8.5f);
    EXPECT_FLOAT_EQ(schedule[82].position.x, 16.0f + 23.0f * 19.0f);
    EXPECT_EQ(schedule.back().archetype, "Boss");
    EXPECT_FLOAT_EQ(schedule.back().spawnTime, 180.0f);
    for (const runner::ScheduleEntry& entry : schedule) {
        EXPECT_FALSE(entry.spawned);
        EXPECT_FLOAT_EQ(entry.entryClock, entry.spawnTime);
    }
}

TEST(RunSchedule, TheSameSeedGivesTheSameRun) {
    api::Seed(99);
    const auto first = runner::BuildSchedule();
    api::Seed(99);
    const auto second = runner::BuildSchedule();
    for (size_t i = 0; i < first.size(); ++i) EXPECT_FLOAT_EQ(first[i].position.y, second[i].position.y);
}

TEST_F(RunnerFixture, EachStretchSpawnsWhatTheScheduleListsWhenItsTimeHasPassed) {
    Open();
    const struct {
        float time;
        std::vector<std::pair<const char*, size_t>> counts;
    } stretches[] = {{55.0f, {{"L4Debris", 20}}},
                     {120.0f, {{"L4Pipe", 40}, {"L4Section1", 20}, {"L4Section2", 1}, {"PipeLazer", 40}}},
                     {180.0f, {{"L4Section3", 1}, {"Boss", 1}}},
                     {230.0f, {{"L4Goal", 1}}}};
    for (const auto& stretch : stretches) {
        JumpTo(stretch.time - 0.05f);
        Step();
        for (const auto& [archetype, count] : stretch.counts)
            EXPECT_EQ(All(archetype).size(), 0u) << archetype << " before " << stretch.time;
        Step(4);
        for (const auto& [archetype, count] : stretch.counts)
            EXPECT_EQ(All(archetype).size(), count) << archetype << " after " << stretch.time;
    }
}

TEST_F(RunnerFixture, APipeBelowTheMiddleIsMirroredWithTheBottomTexture) {
    Open();
    JumpTo(120.0f);
    Step();
    int upper = 0, lower = 0;
    Engine::graphics::Texture* bottom = Engine::graphics::FindTexture("FlappyHazardBottom");
    for (Engine::GameObj* pipe : All("L4Pipe")) {
        if (api::Position(pipe).y < 0.0f) {
            ++lower;
            EXPECT_LT(api::Scale(pipe).y, 0.0f);
            EXPECT_EQ(pipe->GetSprite()->texture, bottom);
        } else {
            ++upper;
            EXPECT_GT(api::Scale(pipe).y, 0.0f);
            EXPECT_NE(pipe->GetSprite()->texture, bottom);
        }
    }
    EXPECT_EQ(upper, 20);
    EXPECT_EQ(lower, 20);
}

TEST_F(RunnerFixture, AtItsEndTimeAnObjectOffScreenIsParkedAndOneOnScreenStays) {
    Open();
    JumpTo(55.0f);
    Step();
    std::vector<Engine::GameObj*> debris = All("L4Debris");
    ASSERT_EQ(debris.size(), 20u);
    api::SetPosition(debris[0], {0.0f, 3.0f});    // on screen
    api::SetPosition(debris[1], {-16.5f, 3.0f});  // just past the left edge
    // Each entry keeps its own clock from its spawn time on.
    for (runner::ScheduleEntry& entry : level()->schedule)
        if (entry.archetype == "L4Debris") entry.entryClock = 99.98f;
    Step(3);
    EXPECT_LT(api::Position(debris[0]).x, 1.0f) << "still inside the screen: not parked";
    EXPECT_FLOAT_EQ(api::Position(debris[0]).y, 3.0f);
    // Parked pieces stop where they were put.
    bool parkedOne = false;
    for (Engine::GameObj* piece : debris)
        if (api::Position(piece).y > 100.0f) parkedOne = true;
    EXPECT_TRUE(parkedOne);
    Step(2);
    for (Engine::GameObj* piece : debris) {
        if (piece == debris[0]) continue;
        const api::vec2 at = api::Position(piece);
        if (at.y > 100.0f) {
            EXPECT_NEAR(at.x, runner::kScheduleParkX, 0.01f);
        }
    }
}

TEST_F(RunnerFixture, MinionsRunInTheirWindowsAndTheCheckpointComesWithRisingPrizes) {
    Open();
    L4Minion* minions = api::FindScript<L4Minion>("L4Spawners");
    ASSERT_NE(minions, nullptr);
    const struct {
        float time;
        bool minionsOn;
    } windows[] = {{15.0f, false}, {30.0f, true}, {50.0f, false}, {70.0f, false}, {90.0f, true},
                   {120.0f, false}, {150.0f, true}, {200.0f, true}, {231.0f, false}};
    for (const auto& window : windows) {
        JumpTo(window.time);
        Step();
        EXPECT_EQ(minions->enabled, window.minionsOn) << "at " << window.time;
    }
}

TEST_F(RunnerFixture, TheCheckpointIsSentAtEachPhaseWithARisingPrize) {
    Open();
    L4Checkpoint* gate = api::ScriptOf<L4Checkpoint>(Find("RunCheckpoint"));
    ASSERT_NE(gate, nullptr);
    EXPECT_LT(api::Position(gate->owner).x, -50.0f) << "parked until the first checkpoint";
    const struct {
        float time;
        int prize;
    } sends[] = {{45.0f, 100}, {110.0f, 150}, {170.0f, 200}};
    for (const auto& send : sends) {
        JumpTo(send.time);
        Step();
        EXPECT_EQ(gate->prize, send.prize);
        EXPECT_FLOAT_EQ(gate->speed, 3.0f);
        EXPECT_NEAR(api::Position(gate->owner).x, 15.0f, 0.1f);
    }
}

TEST_F(RunnerFixture, PressingBAt165JumpsTo185SpawningTheBossAndSkippingTheWarning) {
    Open();
    JumpTo(165.0f);
    engine->keys().Press('B');
    Step();
    engine->keys().Release('B');
    EXPECT_GT(level()->clock, 185.0f);
    EXPECT_LT(level()->clock, 185.1f);
    EXPECT_EQ(All("Boss").size(), 1u);
    EXPECT_FALSE(level()->warningPlayed) << "the boss warning window was jumped over";
    EXPECT_TRUE(level()->phase4Done);
    EXPECT_TRUE(level()->countdownRunning);
    // Past 170 the skip key does nothing.
    engine->keys().Press('B');
    Step();
    engine->keys().Release('B');
    EXPECT_LT(level()->clock, 185.2f);
}

TEST_F(RunnerFixture, TheLastMinuteCountsDownTurnsRedUnderTenAndStopsAtZero) {
    Open();
    EXPECT_TRUE(level()->countdownLabel->text.empty());
    JumpTo(180.0f);
    Step();
    ASSERT_TRUE(level()->countdownRunning);
    EXPECT_EQ(level()->countdownLabel->text, "Survive for : 59");
    EXPECT_EQ(level()->countdownLabel->color, 0xFFFFFFFFu);
    level()->countdownSeconds = 9.99f;
    Step();
    EXPECT_EQ(level()->countdownLabel->color, 0xFF0000FFu);
    EXPECT_EQ(level()->countdownLabel->text, "Survive for : 9");
    level()->countdownSeconds = 0.01f;
    Step();
    EXPECT_FLOAT_EQ(level()->countdownSeconds, 0.0f);
    EXPECT_FALSE(level()->countdownRunning);
}

TEST_F(RunnerFixture, FeverPulsesLightOneMoreHexagonEachAndSpeedUpTheSpeedLines) {
    Open();
    const struct {
        float time;
        int count;
    } pulses[] = {{10.5f, 1}, {41.5f, 2}, {106.5f, 3}, {166.5f, 4}};
    for (const auto& pulse : pulses) {
        JumpTo(pulse.time);
        Step();
        EXPECT_EQ(level()->feverCount, pulse.count);
        EXPECT_TRUE(level()->feverOn);
        const uint32_t alpha = Find("HexRed")->GetSprite()->color >> 24;
        EXPECT_EQ(alpha == 0xFF, pulse.count == 4);
        Step(250);  // the pulse ends after 4 s
        EXPECT_FALSE(level()->feverOn);
        EXPECT_EQ(Find("HexGreen")->GetSprite()->color >> 24, 0x5Au) << "hexagons go dim after a pulse";
    }
}

TEST_F(RunnerFixture, ABirdThatFallsOffTheBottomDies) {
    Open();
    api::SetPosition(bird1(), {0.0f, -10.5f});
    Step();
    EXPECT_TRUE(Dead(bird1()));
    EXPECT_FALSE(Dead(bird2()));
}

}  // namespace
