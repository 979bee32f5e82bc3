// The game's random source: range, the integer rule, seeding, and reseeding
// from the frame clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <vector>

#include "core/core.h"
#include "core/random.h"

using Engine::Random;

TEST(RandomTest, FollowsTheClassicGeneratorFromItsSeed) {
    // The portable sequence of the C standard's example rand(): seed 1 starts 16838, 5758, 10113.
    Random random(1);
    EXPECT_EQ(random.Next(), 16838);
    EXPECT_EQ(random.Next(), 5758);
    EXPECT_EQ(random.Next(), 10113);
}

TEST(RandomTest, StaysWithinZeroTo32767AndCoversTheRange) {
    Random random(77);
    int low = Random::kMax, high = 0;
    std::set<int> seen;
    for (int i = 0; i < 200000; ++i) {
        const int v = random.Next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, Random::kMax);
        low = std::min(low, v);
        high = std::max(high, v);
        seen.insert(v);
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, Random::kMax);
    EXPECT_GT(seen.size(), 30000u);
}

TEST(RandomTest, SameSeedSameSequenceOtherSeedOtherSequence) {
    Random a(2024), b(2024), c(2025);
    std::vector<int> fromA, fromB, fromC;
    for (int i = 0; i < 64; ++i) {
        fromA.push_back(a.Next());
        fromB.push_back(b.Next());
        fromC.push_back(c.Next());
    }
    EXPECT_EQ(fromA, fromB);
    EXPECT_NE(fromA, fromC);
    a.Seed(2024);
    EXPECT_EQ(a.Next(), fromA[0]) << "reseeding starts the sequence again";
}

struct BetweenCase {
    const char* name;
    int a, b;
};

TEST(RandomTest, BetweenIsAPlusADrawModTheSpan) {
    const BetweenCase cases[] = {
        {"dice", 1, 6}, {"single value", 5, 5}, {"negative range", -3, 2},
        {"wider than a draw", 0, 100000}, {"whole int", INT_MIN, INT_MAX},
    };
    for (const BetweenCase& c : cases) {
        SCOPED_TRACE(c.name);
        Random draws(9), between(9);
        for (int i = 0; i < 1000; ++i) {
            const int r = draws.Next();
            const long long expected = c.a + r % (static_cast<long long>(c.b) - c.a + 1);
            ASSERT_EQ(between.Between(c.a, c.b), expected);
        }
    }
}

TEST(RandomTest, AnEmptyRangeGivesItsLowEndWithoutADraw) {
    Random random(5), reference(5);
    EXPECT_EQ(random.Between(4, 3), 4);
    EXPECT_EQ(random.Next(), reference.Next()) << "the empty range must not consume a draw";
}

TEST(RandomTest, ReseedingFromTheClockUsesTheWholeSecondsOfFrameTime) {
    Engine::Core core;
    for (int i = 0; i < 150; ++i) core.RunFrame(Engine::Core::kFrameSeconds);  // 2.5 s
    EXPECT_NEAR(core.ElapsedSeconds(), 2.5, 1e-3);
    core.ReseedFromClock();
    Random two(2);
    EXPECT_EQ(core.random.Next(), two.Next());
    // Frames within the same second reseed alike; the next second differs.
    for (int i = 0; i < 20; ++i) core.RunFrame(Engine::Core::kFrameSeconds);
    core.ReseedFromClock();
    EXPECT_EQ(core.random.State(), 2u);
    for (int i = 0; i < 40; ++i) core.RunFrame(Engine::Core::kFrameSeconds);
    core.ReseedFromClock();
    EXPECT_EQ(core.random.State(), 3u);
}
