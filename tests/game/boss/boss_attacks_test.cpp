// The boss's attacks in the fight phase, each against one bird in its reach and
// one outside it: the barrier stuns and pushes, the laser kills along its fixed
// line, the grab catches both birds, who escape by flapping or die; and the
// turrets' lasers, which kill whoever is on the line when they fire.
#include <cmath>

#include "api/script_api.h"
#include "boss_fixture.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/boss/laser_hazard_behaviour.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"
#include "game/boss/zurododavad_player_behaviour.h"
#include "game/game_values.h"
#include "graphics/renderable2d.h"
#include "support/bird_test_access.h"

namespace {

struct BossAttacks : BossFixture {
    void SetUp() override {
        Open();
        Quiet();
        StartFight();
        mode = BossMode();
        ASSERT_NE(mode, nullptr);
        // Between attacks, with no attack drawn yet.
        mode->attackState = ZurododavadFinalBossMode::kTelegraph;
        mode->attackTimer = 0.0f;
        mode->nextAttack = -1;
    }
    void Begin(int32_t attack, float timer = 0.0f) {
        mode->attackState = attack;
        mode->attackTimer = timer;
    }
    ZurododavadFinalBossMode* mode = nullptr;
};

// ---- Barrier -------------------------------------------------------------------

struct BarrierCase {
    const char* name;
    float distance;       // of player 1 from the boss
    bool invulnerable;    // player 1 blinking
    bool immune;          // player 1 under the immunity power-up
    bool alreadyStunned;  // player 1 stunned before the wave
    bool stunned;         // player 1 stunned by the wave (2 s)
};

struct Barrier : BossAttacks, ::testing::WithParamInterface<BarrierCase> {};

TEST_P(Barrier, StunsAndPushesOnlyAnUnprotectedBirdInItsReach) {
    const BarrierCase& c = GetParam();
    Engine::GameObj* wave = mode->chargeFeedback.Get();
    ASSERT_NE(wave, nullptr);
    api::SetScale(wave, {2.0f, 2.0f});  // after one frame of growth: 3.67, a reach of 5.2
    MainPlayerBehaviour* one = Bird(P1());
    MainPlayerBehaviour* two = Bird(P2());
    Edit(one).invulnerable = c.invulnerable;
    Edit(Round(P1())).immune = c.immune;
    if (c.alreadyStunned) one->Stun(0.5f, false);
    const Engine::vec2 boss = api::Position(Boss());
    Place(P1(), boss + Engine::vec2{-c.distance, 0.0f});
    Place(P2(), boss + Engine::vec2{14.0f, 0.0f});
    Begin(ZurododavadFinalBossMode::kBarrier, 4.0f);
    Step();
    const bool stunnedByWave = one->State().stunned && one->State().stunDuration == 2.0f;
    EXPECT_EQ(stunnedByWave, c.stunned);
    if (c.stunned) {
        // Pushed straight away from the boss.
        EXPECT_LT(api::Velocity(P1()).x, -1.0f);
    }
    EXPECT_FALSE(two->State().stunned) << "the bird far away is out of this frame's reach";
    Step(Frames(1.5f));
    EXPECT_EQ(mode->attackState, ZurododavadFinalBossMode::kTelegraph);
}

INSTANTIATE_TEST_SUITE_P(
    Boss, Barrier,
    ::testing::Values(BarrierCase{"InReach", 3.0f, false, false, false, true},
                      BarrierCase{"OutOfReach", 8.0f, false, false, false, false},
                      BarrierCase{"Blinking", 3.0f, true, false, false, false},
                      BarrierCase{"Immune", 3.0f, false, true, false, false},
                      BarrierCase{"AlreadyStunned", 3.0f, false, false, true, false}),
    [](const ::testing::TestParamInfo<BarrierCase>& info) { return std::string(info.param.name); });

// ---- Laser ---------------------------------------------------------------------

TEST_F(BossAttacks, TheLaserKillsOnItsLineAndSparesABirdAboveIt) {
    Begin(ZurododavadFinalBossMode::kLaser);
    const Engine::vec2 boss = api::Position(Boss());
    Step();  // the target is drawn
    Engine::GameObj* target = mode->laserTarget.Get();
    ASSERT_NE(target, nullptr);
    Engine::GameObj* other = target == P1() ? P2() : P1();
    bool targetDied = false;
    bool otherDied = false;
    for (int frame = 0; frame < Frames(4.2f); ++frame) {
        const float t = static_cast<float>(frame) / 60.0f;
        // The target sits left of the boss for the first second; then it cannot
        // move the aim any more, and it stays on the line anyway.
        Place(target, boss + Engine::vec2{-8.0f, t < 1.0f ? 0.0f : 0.5f});
        Place(other, boss + Engine::vec2{-8.0f, 5.0f});
        Step();
        targetDied = targetDied || Bird(target)->State().dead;
        otherDied = otherDied || Bird(other)->State().dead;
    }
    EXPECT_TRUE(targetDied);
    EXPECT_FALSE(otherDied);
    EXPECT_EQ(mode->attackState, ZurododavadFinalBossMode::kTelegraph);
    EXPECT_FALSE(mode->laser);
    EXPECT_FALSE(mode->lockOn);
}

TEST_F(BossAttacks, TheLaserAlsoKillsTheOtherBirdOnItsLineButNotAProtectedOne) {
    Begin(ZurododavadFinalBossMode::kLaser);
    const Engine::vec2 boss = api::Position(Boss());
    Step();
    Engine::GameObj* target = mode->laserTarget.Get();
    ASSERT_NE(target, nullptr);
    Engine::GameObj* other = target == P1() ? P2() : P1();
    bool targetDied = false;
    bool otherDied = false;
    for (int frame = 0; frame < Frames(4.2f); ++frame) {
        Place(target, boss + Engine::vec2{0.0f, -9.0f + 1.0f});  // below the boss: aim straight down
        Place(other, boss + Engine::vec2{0.5f, -4.0f});
        Edit(Bird(target)).invulnerable = true;
        Step();
        targetDied = targetDied || Bird(target)->State().dead;
        otherDied = otherDied || Bird(other)->State().dead;
    }
    EXPECT_FALSE(targetDied);
    EXPECT_TRUE(otherDied);
}

TEST_F(BossAttacks, TwoBirdsTheLaserKillsTogetherWhilePeckingBothComeBack) {
    // Killed in the same frame, both birds are parked on the same spot off the
    // screen, each still in the middle of its peck.
    Begin(ZurododavadFinalBossMode::kLaser);
    const Engine::vec2 boss = api::Position(Boss());
    Step();
    Engine::GameObj* target = mode->laserTarget.Get();
    ASSERT_NE(target, nullptr);
    Engine::GameObj* other = target == P1() ? P2() : P1();
    const auto peckKey = [](Engine::GameObj* bird) { return Bird(bird)->State().keyMap.at("Peck"); };
    while (mode->attackTimer < 2.3f) {
        Place(target, boss + Engine::vec2{-8.0f, 0.0f});
        Place(other, boss + Engine::vec2{-5.0f, 0.0f});
        Step();
    }
    engine->keys().Press(peckKey(P1()));
    engine->keys().Press(peckKey(P2()));
    Step();
    engine->keys().Release(peckKey(P1()));
    engine->keys().Release(peckKey(P2()));
    for (int frame = 0; frame < Frames(0.4f) && !(Bird(P1())->State().dead && Bird(P2())->State().dead); ++frame) {
        ASSERT_TRUE(Bird(P1())->State().pecking && Bird(P2())->State().pecking);
        Place(target, boss + Engine::vec2{-8.0f, 0.0f});
        Place(other, boss + Engine::vec2{-5.0f, 0.0f});
        Step();
    }
    ASSERT_TRUE(Bird(P1())->State().dead && Bird(P2())->State().dead) << "the laser should have killed both birds";
    // The respawn delay is 1.5 s; give it a little more.
    StepSeconds(2.5f);
    for (Engine::GameObj* bird : {P1(), P2()}) {
        EXPECT_FALSE(Bird(bird)->State().dead) << bird->name << " never came back";
        EXPECT_FALSE(Bird(bird)->State().stunned) << bird->name;
        EXPECT_LT(std::fabs(api::Position(bird).x), 16.0f) << bird->name << " is still parked off the screen";
    }
}

TEST_F(BossAttacks, ALockOnOnTheBossCentreFiresDownInsteadOfDividingByZero) {
    Begin(ZurododavadFinalBossMode::kLaser);
    const Engine::vec2 boss = api::Position(Boss());
    Step();
    Engine::GameObj* target = mode->laserTarget.Get();
    ASSERT_NE(target, nullptr);
    for (int frame = 0; frame < Frames(1.5f); ++frame) {
        Place(target, boss);
        Step();
    }
    ASSERT_TRUE(mode->laser);
    EXPECT_TRUE(std::isfinite(api::Rotation(mode->laser.Get())));
    EXPECT_FLOAT_EQ(mode->laserAim.x, 0.0f);
    EXPECT_FLOAT_EQ(mode->laserAim.y, -1.0f);
    EXPECT_TRUE(std::isfinite(api::Position(mode->laser.Get()).y));
}

// ---- Grab ----------------------------------------------------------------------

TEST_F(BossAttacks, TheGrabCatchesBothBirdsEightFlapsFreeOneAndTheOtherDies) {
    Place(P1(), {-8.0f, 2.0f});
    Place(P2(), {8.0f, 2.0f});
    Edit(Bird(P2())).invulnerable = true;  // caught all the same
    Begin(ZurododavadFinalBossMode::kGrab);
    Step(2);
    ASSERT_EQ(mode->arms.size(), 2u);
    for (Engine::GameObj* bird : {P1(), P2()}) {
        EXPECT_TRUE(Bird(bird)->State().controlsLocked) << bird->name;
        EXPECT_EQ(api::ColliderOf(bird), nullptr) << bird->name << " keeps its collider in the cage";
    }
    Edit(Bird(P2())).invulnerable = false;
    const Engine::VirtualKey flap = FlapKey(P1());
    ASSERT_NE(flap, Engine::VirtualKey{});
    for (int press = 0; press < 8; ++press) Tap(flap);
    Step(2);
    EXPECT_FALSE(Bird(P1())->State().controlsLocked);
    EXPECT_FALSE(Bird(P1())->State().dead);
    EXPECT_NE(api::ColliderOf(P1()), nullptr);
    EXPECT_NEAR(api::Position(P2()).y, 2.0f, 0.01f) << "a caught bird is held where it was caught";
    bool died = false;
    for (int frame = 0; frame < Frames(3.5f); ++frame) {
        Step();
        died = died || Bird(P2())->State().dead;
    }
    EXPECT_TRUE(died);
    EXPECT_FALSE(Bird(P2())->State().controlsLocked);
    EXPECT_NE(api::ColliderOf(P2()), nullptr);
    EXPECT_TRUE(mode->arms.empty());
    EXPECT_EQ(mode->attackState, ZurododavadFinalBossMode::kTelegraph);
}

TEST_F(BossAttacks, TheBossesDeathLetsBothCaughtBirdsGoAlive) {
    Place(P1(), {-8.0f, 2.0f});
    Place(P2(), {8.0f, 2.0f});
    Begin(ZurododavadFinalBossMode::kGrab);
    Step(2);
    ASSERT_EQ(mode->arms.size(), 2u);
    for (Engine::GameObj* bird : {P1(), P2()}) ASSERT_TRUE(Bird(bird)->State().controlsLocked) << bird->name;
    ZurododavadBossBehaviour* life = BossLife();
    ASSERT_NE(life, nullptr);
    life->bossHealth = 0;
    Step(2);
    EXPECT_TRUE(mode->arms.empty());
    for (Engine::GameObj* bird : {P1(), P2()}) {
        EXPECT_FALSE(Bird(bird)->State().controlsLocked) << bird->name << " is still held by a dead boss";
        EXPECT_NE(api::ColliderOf(bird), nullptr) << bird->name;
    }
    // Past the cage's deadly hold: a bird let go is not killed by the cage later.
    bool died = false;
    for (int frame = 0; frame < Frames(4.0f) && api::CurrentLevelPath() == kLevel; ++frame) {
        Step();
        died = died || Bird(P1())->State().dead || Bird(P2())->State().dead;
    }
    EXPECT_FALSE(died) << "a bird let go died in its cage";
}

// ---- Telegraph -----------------------------------------------------------------

TEST_F(BossAttacks, EachAttackIsAnnouncedForSevenSecondsByAShadowInItsColour) {
    Engine::GameObj* shadow = mode->shadow.Get();
    ASSERT_NE(shadow, nullptr);
    Step();
    ASSERT_GE(mode->nextAttack, 0);
    const int32_t coming = mode->nextAttack;
    const uint32_t colours[3] = {0xFFFF0000, 0xFF00FF00, 0xFF00FFFF};
    const Engine::vec2 scale = api::Scale(shadow);
    for (int frame = 0; frame < Frames(6.9f) - 1; ++frame) {
        Place(P1(), {-12.0f, 4.0f});
        Place(P2(), {12.0f, 4.0f});
        Step();
    }
    EXPECT_EQ(mode->attackState, ZurododavadFinalBossMode::kTelegraph);
    EXPECT_NEAR(api::Position(shadow).x, api::Position(Boss()).x, 1e-4f);
    EXPECT_GT(api::Scale(shadow).y, scale.y + 5.0f) << "the shadow grows while it announces";
    const Engine::graphics::Renderable2D* sprite = shadow->GetSprite();
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->color, colours[coming]);
    StepSeconds(0.2f);
    EXPECT_EQ(mode->attackState, coming + 1);
}

// ---- Turrets -------------------------------------------------------------------

struct TurretCase {
    const char* name;
    bool leaveDuringWarning;  // player 1 leaves the line before the turret fires
    bool otherOnLineWhenFiring;
    bool player1Dies;
    bool player2Dies;
};

struct Turret : BossFixture, ::testing::WithParamInterface<TurretCase> {};

TEST_P(Turret, KillsWhoeverIsOnTheLineWhileItFires) {
    const TurretCase& c = GetParam();
    Open();
    Engine::GameObj* turretObject = api::Find("ZurododavadLeftLaser");
    LaserHazardBehaviour* turret = api::ScriptOf<LaserHazardBehaviour>(turretObject);
    ASSERT_NE(turret, nullptr);
    for (const char* name : {"ZurododavadRightLaser", "LaserBeltLeft", "LaserBeltRight"}) api::Destroy(api::Find(name));
    const Engine::vec2 origin = api::Position(turretObject);
    const float angle = 30.0f;
    const Engine::vec2 d{std::cos(angle * 3.14159265f / 180.0f), std::sin(angle * 3.14159265f / 180.0f)};
    const Engine::vec2 onLine = origin + d * 10.0f;
    const Engine::vec2 farOnLine = origin + d * 18.0f;
    const Engine::vec2 offLine = origin + Engine::vec2{4.0f, 12.0f};
    turret->angle = angle - 0.2f;
    turret->sweepUp = true;
    turret->sweepSpeed = 10.0f;
    bool died1 = false;
    bool died2 = false;
    bool locked = false;
    for (int frame = 0; frame < Frames(4.0f); ++frame) {
        const float fire = turret->fireTimer;
        const bool warning = locked && fire > -2.0f;
        Place(P1(), c.leaveDuringWarning && locked && fire < -1.0f ? offLine : onLine);
        Place(P2(), c.otherOnLineWhenFiring && (!warning || fire < -1.5f) && locked ? farOnLine : offLine + Engine::vec2{6.0f, 0.0f});
        Step();
        locked = locked || turret->locked;
        died1 = died1 || Bird(P1())->State().dead;
        died2 = died2 || Bird(P2())->State().dead;
    }
    EXPECT_TRUE(locked);
    EXPECT_EQ(died1, c.player1Dies);
    EXPECT_EQ(died2, c.player2Dies);
}

INSTANTIATE_TEST_SUITE_P(Boss, Turret,
                         ::testing::Values(TurretCase{"StaysOnTheLine", false, false, true, false},
                                           TurretCase{"LeavesDuringTheWarning", true, false, false, false},
                                           TurretCase{"OtherBirdWalksIntoTheLine", true, true, false, true}),
                         [](const ::testing::TestParamInfo<TurretCase>& info) { return std::string(info.param.name); });

}  // namespace
