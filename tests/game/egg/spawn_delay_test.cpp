// The wait before the next armour piece or power bug.

#include <gtest/gtest.h>

#include "api/script_api.h"
#include "game/egg/spawn_delay.h"

using EggLevel::DelayInputs;

TEST(SpawnDelay, TheTierFollowsTheWeakerOfEggAndClock) {
    struct Case {
        float health, timeLeft;
        bool useTime;
        int tier;
    };
    const Case cases[] = {
        {100, 90, true, 100}, {79, 90, true, 80}, {100, 71, true, 80}, {59, 90, true, 60},
        {100, 35, true, 40},  {19, 90, true, 20}, {100, 17, true, 20}, {100, 17, false, 100},
    };
    for (const Case& c : cases) {
        DelayInputs in;
        in.health = c.health;
        in.timeLeft = c.timeLeft;
        in.useTime = c.useTime;
        EXPECT_EQ(EggLevel::DelayTier(in), c.tier) << c.health << " " << c.timeLeft;
    }
}

TEST(SpawnDelay, AnUntouchedEggWithAFullRoundWaitsEightToSeventeenSeconds) {
    api::Seed(5);
    DelayInputs in;
    for (int i = 0; i < 200; ++i) {
        const float delay = EggLevel::SpawnDelay(in);
        EXPECT_GE(delay, 8.0f - 1e-4f);
        EXPECT_LE(delay, 17.0f + 1e-4f);
    }
}

TEST(SpawnDelay, TheDefendersArmourShortensTheWaitButNeverToNothing) {
    // The count that matters is the defender's, the only bird that collects
    // armour; at four pieces the wait is a fifth of the empty-handed one.
    DelayInputs none;
    DelayInputs four;
    four.armor = 4;
    DelayInputs five;
    five.armor = 5;
    api::Seed(11);
    const float withNone = EggLevel::SpawnDelay(none);
    api::Seed(11);
    const float withFour = EggLevel::SpawnDelay(four);
    api::Seed(11);
    const float withFive = EggLevel::SpawnDelay(five);
    EXPECT_NEAR(withFour * 5.0f, withNone, 1e-4f);
    EXPECT_GT(withFive, 0.0f);
    // A round at its last instant still waits a little.
    DelayInputs late;
    late.timeLeft = 0.0f;
    api::Seed(11);
    EXPECT_GT(EggLevel::SpawnDelay(late), 0.0f);
}
