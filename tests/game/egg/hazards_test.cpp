// The UFO's beam, the armour's flight, the egg's low-health blink and the
// defending bird's controller, in the egg level.

#include "egg_fixture.h"

#include <cmath>

#include "api/script_api.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/egg/armor_behaviour.h"
#include "game/egg/armor_spawn.h"
#include "game/egg/bug_behaviour.h"
#include "game/egg/egg_behaviour.h"
#include "game/egg/power_bugs.h"
#include "game/level_scripts/enemy_behaviour.h"
#include "game/level_scripts/thunder_clouds.h"
#include "game/level_scripts/thunder_clouds_behaviour.h"
#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"
#include "logic/script_registry.h"
#include "support/bird_test_access.h"

TEST_F(EggFixture, AUfoStrikeKillsABirdThatIsNotImmuneAndSparesOneThatIs) {
    OpenLevel();
    WaitForRoundStart();  // the countdown holds the birds at their nests
    ThunderClouds* clouds = api::FindScript<ThunderClouds>("CloudSpawner");
    ASSERT_NE(clouds, nullptr);
    ThunderCloudsBehaviour* ufo = clouds->Ufo();
    ASSERT_NE(ufo, nullptr);
    Edit(Round("Player2")).immune = true;
    // A pass starts at once (as after a Hazard pickup) and strikes where the birds wait.
    clouds->startNow = true;
    engine->Step();
    ASSERT_TRUE(ufo->active);
    ufo->strikeTime = 0.5f;
    api::SetPosition(clouds->ufo.Get(), {0.0f, 7.0f});
    const bool struck = StepUntil([&] { return static_cast<bool>(ufo->beam); }, 120);
    ASSERT_TRUE(struck);
    Engine::GameObj* beam = ufo->beam.Get();
    const float beamX = api::Position(beam).x;
    for (const char* name : {"Player", "Player2"}) {
        Engine::GameObj* bird = Find(name);
        api::SetGravityScale(bird, 0.0f);
        api::SetPosition(bird, {beamX, -3.0f});
        api::SetVelocity(bird, {0.0f, 0.0f});
    }
    // Whatever the birds caught on the way, one is immune and the other is not.
    Edit(Round("Player")).immune = false;
    Edit(Round("Player2")).immune = true;
    engine->Step(3);
    EXPECT_TRUE(Bird("Player")->State().dead);
    EXPECT_NEAR(api::Position(Find("Player")).y, 100.0f, 0.1f);
    EXPECT_NEAR(api::Position(Find("Player")).x, beamX, 0.1f);
    EXPECT_TRUE(static_cast<bool>(Bird("Player")->State().deathAnim));
    EXPECT_FALSE(Bird("Player2")->State().dead);
    EXPECT_LT(api::Position(Find("Player2")).y, 0.0f);
    // The beam is gone after its three seconds and the UFO leaves.
    ASSERT_TRUE(StepUntil([&] { return !ufo->beam; }, 60 * 4));
    EXPECT_TRUE(ufo->leaving);
}

TEST_F(EggFixture, TheUfoChargesBeforeItStrikes) {
    OpenLevel();
    ThunderClouds* clouds = api::FindScript<ThunderClouds>("CloudSpawner");
    ThunderCloudsBehaviour* ufo = clouds->Ufo();
    clouds->startNow = true;
    engine->Step();
    ufo->strikeTime = 5.0f;
    // Two seconds in (three before the strike) the charge has not begun; at three seconds in it shows.
    ASSERT_TRUE(StepUntil([&] { return ufo->timer > 1.5f; }, 200));
    EXPECT_FALSE(ufo->Charge()->playing);
    ASSERT_TRUE(StepUntil([&] { return ufo->timer > 2.5f; }, 200));
    EXPECT_TRUE(ufo->Charge()->playing);
    EXPECT_FALSE(ufo->beam);
    ASSERT_TRUE(StepUntil([&] { return ufo->timer > 4.2f; }, 200));
    EXPECT_FALSE(ufo->Charge()->playing);
}

TEST_F(EggFixture, ArmourCollectedOnTopOfTheEggArrivesWithoutDividingByZero) {
    OpenLevel();
    WaitForRoundStart();
    ArmorSpawn* spawn = api::FindScript<ArmorSpawn>("Spawner");
    ASSERT_TRUE(StepUntil([&] { return spawn->armor && api::ScriptOf<ArmorBehaviour>(spawn->armor); }, 10));
    ArmorBehaviour* piece = api::ScriptOf<ArmorBehaviour>(spawn->armor);
    Engine::GameObj* egg = Find("Egg");
    // The piece lies exactly on the egg when the defender takes it.
    piece->active = true;
    api::SetPosition(spawn->armor.Get(), api::Position(egg));
    piece->OnCollisionEnter(Find("Player2"));
    EXPECT_TRUE(piece->flying);
    EXPECT_EQ(Round("Player2")->State().armorPieces, 1);
    engine->Step();
    EXPECT_FALSE(piece->flying);
    const api::vec2 velocity = api::Velocity(spawn->armor.Get());
    EXPECT_TRUE(std::isfinite(velocity.x) && std::isfinite(velocity.y));
    const api::vec2 scale = api::Scale(spawn->armor.Get());
    EXPECT_TRUE(std::isfinite(scale.x) && std::isfinite(scale.y));
    EXPECT_GT(scale.x, 0.0f);
}

TEST_F(EggFixture, TheAttackerBreaksArmourWithoutCountingIt) {
    OpenLevel();
    WaitForRoundStart();
    ArmorSpawn* spawn = api::FindScript<ArmorSpawn>("Spawner");
    ASSERT_TRUE(StepUntil([&] { return static_cast<bool>(spawn->armor); }, 10));
    ArmorBehaviour* piece = api::ScriptOf<ArmorBehaviour>(spawn->armor);
    piece->active = true;
    piece->OnCollisionEnter(Find("Player"));  // "Player" attacks in round one
    EXPECT_FALSE(piece->active);
    EXPECT_FALSE(piece->flying);
    EXPECT_EQ(Round("Player")->State().armorPieces, 0);
    EXPECT_TRUE(api::IsParked(spawn->armor.Get()));
}

TEST_F(EggFixture, ALowEggBlinksRedAcrossTheWholeLowRange) {
    OpenLevel();
    EggBehaviour* egg = Egg();
    for (int health : {19, 10, 2}) {
        SCOPED_TRACE(health);
        egg->health = health;
        egg->blinkTimer = 0.0f;
        engine->Step();
        EXPECT_EQ(Find("Egg")->GetSprite()->color, EggBehaviour::kRed);
        engine->Step(40);  // past half a second: the white half of the blink
        EXPECT_EQ(Find("Egg")->GetSprite()->color, EggBehaviour::kWhite);
    }
    egg->health = 60;
    engine->Step();
    EXPECT_EQ(Find("Egg")->GetSprite()->color, EggBehaviour::kWhite);
}

TEST_F(EggFixture, TheDefendingBirdControllerTakesItsBodyWhenItStarts) {
    OpenLevel();
    // The registered prototype has no owner: updating it does nothing.
    Engine::Scripts* prototype = Engine::ScriptRegistry::Get().Find("EnemyBehaviour");
    ASSERT_NE(prototype, nullptr);
    prototype->Update(1.0f / 60.0f);
    // On an object with a body it works the arrow keys.
    Engine::GameObj* bird = Find("Player2");
    bird->AddScript("EnemyBehaviour");
    EnemyBehaviour* enemy = api::ScriptOf<EnemyBehaviour>(bird);
    ASSERT_NE(enemy, nullptr);
    enemy->Init();
    EXPECT_EQ(enemy->body.Get(), bird);
    EXPECT_EQ(enemy->egg.Get(), Find("Egg"));
}

TEST_F(EggFixture, UfoStrikeTimesAndStarSizesStayInTheirRanges) {
    // Both are drawn from 0..32767 and scaled: a wider random range would send
    // the strike minutes away and blow the stars up over the whole screen.
    for (unsigned seed : {1u, 7u, 99u}) {
        SCOPED_TRACE(seed);
        OpenLevel(seed);
        for (const char* name : {"Star1", "Star2", "Star3", "Star4"}) {
            const float size = api::Scale(Find(name)).x;
            EXPECT_GE(size, 0.1f);
            EXPECT_LE(size, 0.5f);
        }
        ThunderClouds* clouds = api::FindScript<ThunderClouds>("CloudSpawner");
        clouds->startNow = true;
        engine->Step();
        const float strike = clouds->Ufo()->strikeTime;
        EXPECT_GE(strike, 4.0f);
        EXPECT_LE(strike, 6.41f);
        engine.reset();
    }
}

TEST_F(EggFixture, TheUltimateBugReadiesTheUltimateOfTheBirdThatCatchesIt) {
    OpenLevel();
    WaitForRoundStart();
    PowerBugs* bugs = api::FindScript<PowerBugs>("Spawner");
    ASSERT_NE(bugs, nullptr);
    bugs->ultimateTimer = PowerBugs::kUltimateEvery;  // the next frame sends one
    engine->Step();
    Engine::GameObj* ultimate = bugs->ultimateBug.Get();
    ASSERT_NE(ultimate, nullptr);
    ASSERT_TRUE(api::ScriptOf<BugBehaviour>(ultimate)->ultimate);
    EXPECT_FALSE(Bird("Player2")->State().ultimateReady);
    Engine::GameObj* bird = Find("Player2");
    ASSERT_TRUE(StepUntil(
        [&] {
            if (Bird("Player2")->State().ultimateReady) return true;
            api::SetPosition(bird, api::Position(bugs->ultimateBug.Get()));
            api::SetVelocity(bird, {0.0f, 0.0f});
            return false;
        },
        30));
    EXPECT_EQ(Bird("Player2")->State().ultimateCharge, 100);
    engine->Step(2);
    EXPECT_FALSE(bugs->ultimateBug) << "a caught ultimate bug is gone";
}
