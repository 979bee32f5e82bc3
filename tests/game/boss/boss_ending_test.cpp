// Hurting the boss and the end of the match: pecks take health and score, skill
// hits score but take none and count only while the boss lives, the crack at
// half health, and the death sequence: the bird with more hits wins (equal hits
// are a draw), the result is written in full and the end storyboard follows,
// with or without the wipe.
#include <cmath>
#include <filesystem>
#include <string>

#include "api/script_api.h"
#include "boss_fixture.h"
#include "game/boss/fight_state.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/boss/boss_shapes.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"
#include "game/boss/zurododavad_player_behaviour.h"
#include "game/game_values.h"
#include "objects/components.h"
#include "physics/collider.h"
#include "physics/rigid_body.h"
#include "support/bird_test_access.h"

namespace {

struct BossEnding : BossFixture {
    void SetUp() override {
        Open();
        Quiet();
        StartFight();
        life = BossLife();
        ASSERT_NE(life, nullptr);
    }
    // Runs until the level changes or `seconds` pass; true when the level changed.
    bool RunUntilLeaving(float seconds) {
        for (int frame = 0; frame < Frames(seconds); ++frame) {
            if (api::CurrentLevelPath() != kLevel) return true;
            Step();
        }
        return api::CurrentLevelPath() != kLevel;
    }
    ZurododavadBossBehaviour* life = nullptr;
};

// ---- Scoring and damage -----------------------------------------------------------

TEST_F(BossEnding, APeckOnTheRisenBossTakesHealthAndScoresByStrength) {
    ZurododavadPlayerBehaviour* upgrades = Upgrades(P1());
    upgrades->strength = 3;
    MainPlayerBehaviour* bird = Bird(P1());
    const int32_t health = life->bossHealth;
    int frames = 0;
    for (; frames < 10; ++frames) {
        Place(P1(), api::Position(Boss()) + Engine::vec2{-1.0f, 0.0f});
        Edit(bird).pecking = true;
        Step();
    }
    const int32_t taken = health - life->bossHealth;
    EXPECT_GT(taken, 0);
    EXPECT_EQ(taken % 3, 0);
    EXPECT_EQ(Round(P1())->State().hitCount, taken);
    EXPECT_TRUE(BossMode()->hitFlash);
    EXPECT_EQ(Round(P2())->State().hitCount, 0);
}

struct SkillCase {
    const char* name;
    const char* skill;
    const char* ownerName;
    bool bossAlive;
    int32_t player1Hits;
    int32_t player2Hits;
};

struct SkillHits : BossEnding, ::testing::WithParamInterface<SkillCase> {};

TEST_P(SkillHits, ScoreFiveForTheOwnerOnlyWhileTheBossLivesAndTakeNoHealth) {
    const SkillCase& c = GetParam();
    if (!c.bossAlive) life->bossHealth = 0;
    const int32_t health = life->bossHealth;
    Place(P1(), {-12.0f, 4.0f});
    Place(P2(), {12.0f, 4.0f});
    const Engine::vec2 at = api::Position(Boss());
    // A stand-in skill object: a kinematic ghost box with the skill's name and owner.
    Engine::GameObj* skill = api::Spawn("ZurododavadLockOn", at.x, at.y);
    ASSERT_NE(skill, nullptr);
    skill->name = c.skill;
    skill->shooter = api::Find(c.ownerName);
    skill->AddComponent(Engine::kColliderKind);
    if (Engine::RigidBody* body = api::Body(skill)) body->SetMotionType(Engine::kKinematicMotion);
    if (Engine::Collider* collider = api::ColliderOf(skill)) collider->ghost = true;
    Step(3);
    api::Destroy(skill);
    Step();
    EXPECT_EQ(Round(P1())->State().hitCount, c.player1Hits);
    EXPECT_EQ(Round(P2())->State().hitCount, c.player2Hits);
    EXPECT_EQ(life->bossHealth, health);
}

INSTANTIATE_TEST_SUITE_P(
    Boss, SkillHits,
    ::testing::Values(SkillCase{"LightningBallOfPlayer1", "LightningBall", "Player", true, 5, 0},
                      SkillCase{"DungOfPlayer2", "Dung", "Player2", true, 0, 5},
                      SkillCase{"ScreamOnADeadBoss", "SoundScream", "Player", false, 0, 0},
                      SkillCase{"FartBombOnADeadBoss", "FartBomb", "Player2", false, 0, 0},
                      SkillCase{"NotASkill", "Pebble", "Player", true, 0, 0}),
    [](const ::testing::TestParamInfo<SkillCase>& info) { return std::string(info.param.name); });

TEST_F(BossEnding, TheUltimatesSeeADeadBossAsNotVulnerable) {
    // The ultimates ask Vulnerable() before they take health and credit hits.
    EXPECT_TRUE(life->Vulnerable());
    life->bossHealth = 0;
    EXPECT_FALSE(life->Vulnerable());
    life->bossHealth = 1;
    boss::Fight()->vulnerable = false;
    EXPECT_FALSE(life->Vulnerable());
    boss::Fight()->vulnerable = true;
}

TEST_F(BossEnding, TheCrackShowsAtHalfHealthExactly) {
    life->bossHealth = 3001;
    Step();
    EXPECT_FALSE(life->crackShown);
    life->bossHealth = 3000;
    Step();
    EXPECT_TRUE(life->crackShown);
    EXPECT_EQ(api::TextureOf(Boss()), "ZurododavadBossCrack");
}

TEST_F(BossEnding, TheHealthBarShrinksWithTheBossHealth) {
    Engine::GameObj* fill = life->healthFill.Get();
    ASSERT_NE(fill, nullptr);
    Step();
    const float full = api::Scale(fill).x;
    life->bossHealth = 1500;
    Step();
    EXPECT_NEAR(api::Scale(fill).x, full / 4.0f, 1e-3f);
    EXPECT_GT(api::Alpha(fill), 0.99f);
}

// ---- The end ------------------------------------------------------------------------

struct ResultCase {
    const char* name;
    int32_t player1Hits;
    int32_t player2Hits;
    const char* winnerName;
    const char* winnerTag;
};

const ResultCase kResults[] = {
    {"Player1Ahead", 120, 80, "Player", "P1"},
    {"Player2Ahead", 30, 31, "Player2", "P2"},
    {"Tie", 77, 77, "Draw", "Draw"},
    {"NoHitsAtAll", 0, 0, "Draw", "Draw"},
};

struct Result : BossEnding, ::testing::WithParamInterface<ResultCase> {};

TEST_P(Result, TheBossDeathLeadsToTheStoryboardWithTheResultRecorded) {
    const ResultCase& c = GetParam();
    Edit(Round(P1())).hitCount = c.player1Hits;
    Edit(Round(P2())).hitCount = c.player2Hits;
    life->bossHealth = 0;
    Step();
    EXPECT_EQ(api::TextureOf(Boss()), "ZurododavadBossDeath");
    EXPECT_FALSE(Game::matchResultReady) << "the result waits for the blast and the white";
    StepSeconds(2.1f);
    ASSERT_TRUE(life->explosion) << "the blast comes after two seconds of shaking";
    EXPECT_FALSE(api::Exists("DownBound")) << "the arena opens";
    // The birds may be blown about; their scores stay as they are.
    ASSERT_TRUE(RunUntilLeaving(10.0f));
    EXPECT_TRUE(Game::matchResultReady);
    EXPECT_EQ(Game::winnerName, c.winnerName);
    EXPECT_EQ(Game::winnerTag, c.winnerTag);
    EXPECT_EQ(Game::matchModeName, "Zurododavad");
    EXPECT_EQ(api::CurrentLevelPath(), "MapData//CutScene.xml");
}

INSTANTIATE_TEST_SUITE_P(Boss, Result, ::testing::ValuesIn(kResults),
                         [](const ::testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

TEST_F(BossEnding, WithoutAWipeTheEndingStillReachesTheStoryboard) {
    api::Destroy(api::Find("TransitionBird"));
    Step();
    Edit(Round(P1())).hitCount = 5;
    life->bossHealth = 0;
    ASSERT_TRUE(RunUntilLeaving(12.0f));
    EXPECT_EQ(api::CurrentLevelPath(), "MapData//CutScene.xml");
    EXPECT_EQ(Game::winnerName, "Player");
}

TEST_F(BossEnding, WithoutTheStoryboardTheEndingSaysSoAndGoesToTheTitle) {
    std::filesystem::remove(dir.path() + "/MapData/CutScene.xml");
    Edit(Round(P2())).hitCount = 5;
    life->bossHealth = 0;
    testing::internal::CaptureStdout();
    const bool left = RunUntilLeaving(12.0f);
    const std::string said = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(left);
    EXPECT_EQ(api::CurrentLevelPath(), "MapData//MainMenu_KR.xml");
    EXPECT_NE(said.find("\"CutScene\""), std::string::npos) << said;
    EXPECT_EQ(Game::winnerName, "Player2") << "the result is written before the way out";
}

TEST_F(BossEnding, TheBlastBlowsABirdAwayFromItsCentreAndSetsItSpinning) {
    life->bossHealth = 0;
    StepSeconds(2.05f);
    ASSERT_TRUE(life->explosion);
    const Engine::vec2 centre = api::Position(life->explosion.Get());
    Place(P1(), centre + Engine::vec2{-1.0f, 0.0f});
    Place(P2(), centre + Engine::vec2{1.0f, 0.0f});
    const float turn = api::Rotation(P1());
    Step(3);
    EXPECT_LT(api::Velocity(P1()).x, 0.0f);
    EXPECT_GT(api::Velocity(P2()).x, 0.0f);
    EXPECT_NE(api::Rotation(P1()), turn);
}

TEST(BossResult, HitCountsDecideTheWinnerAndATieIsADraw) {
    for (const ResultCase& c : kResults) {
        Game::matchResultReady = false;
        Game::winnerTag = "stale";
        ZurododavadBossBehaviour::WriteResult(c.player1Hits, c.player2Hits);
        EXPECT_TRUE(Game::matchResultReady) << c.name;
        EXPECT_EQ(Game::winnerName, c.winnerName) << c.name;
        EXPECT_EQ(Game::winnerTag, c.winnerTag) << c.name;
        EXPECT_EQ(Game::matchModeName, "Zurododavad") << c.name;
    }
}

// ---- Line tests of the lasers ----------------------------------------------------------

struct SegmentCase {
    const char* name;
    Engine::vec2 origin;
    Engine::vec2 direction;
    float length;
    Engine::vec2 extent;
    bool touches;
};

struct Segment : BossFixture, ::testing::WithParamInterface<SegmentCase> {};

TEST_P(Segment, TouchesExactlyTheBoxesOnItsPath) {
    const SegmentCase& c = GetParam();
    Open();
    Engine::GameObj* bird = P1();
    Place(bird, {0.0f, 0.0f});
    Step();
    Place(bird, {0.0f, 0.0f});
    api::SetColliderSize(bird, 1.5f, 1.0f);  // x -0.75..0.75, y -0.5..0.5
    ASSERT_NE(api::ColliderOf(bird), nullptr);
    EXPECT_EQ(boss::SegmentTouches(bird, c.origin, c.direction, c.length, c.extent), c.touches);
}

INSTANTIATE_TEST_SUITE_P(
    Boss, Segment,
    ::testing::Values(
        SegmentCase{"Through", {-5.0f, 0.0f}, {1.0f, 0.0f}, 10.0f, {0.0f, 0.0f}, true},
        // Horizontal along the box's top edge: zero vertical travel, exactly on the slab's edge.
        SegmentCase{"AlongTheTopEdge", {-5.0f, 0.5f}, {1.0f, 0.0f}, 10.0f, {0.0f, 0.0f}, true},
        SegmentCase{"JustAbove", {-5.0f, 0.51f}, {1.0f, 0.0f}, 10.0f, {0.0f, 0.0f}, false},
        SegmentCase{"VerticalThrough", {0.7f, 9.0f}, {0.0f, -1.0f}, 20.0f, {0.0f, 0.0f}, true},
        SegmentCase{"VerticalBeside", {0.8f, 9.0f}, {0.0f, -1.0f}, 20.0f, {0.0f, 0.0f}, false},
        SegmentCase{"TooShort", {-5.0f, 0.0f}, {1.0f, 0.0f}, 4.0f, {0.0f, 0.0f}, false},
        SegmentCase{"PointingAway", {-5.0f, 0.0f}, {-1.0f, 0.0f}, 100.0f, {0.0f, 0.0f}, false},
        SegmentCase{"WideBeamGrazes", {-5.0f, 1.9f}, {1.0f, 0.0f}, 10.0f, {0.0f, 3.0f}, true},
        SegmentCase{"WideBeamMisses", {-5.0f, 2.1f}, {1.0f, 0.0f}, 10.0f, {0.0f, 3.0f}, false},
        SegmentCase{"NoDirectionInside", {0.2f, 0.2f}, {0.0f, 0.0f}, 10.0f, {0.0f, 0.0f}, true},
        SegmentCase{"NoDirectionOutside", {3.0f, 0.0f}, {0.0f, 0.0f}, 10.0f, {0.0f, 0.0f}, false},
        SegmentCase{"NotANumber", {NAN, 0.0f}, {1.0f, 0.0f}, 10.0f, {0.0f, 0.0f}, false}),
    [](const ::testing::TestParamInfo<SegmentCase>& info) { return std::string(info.param.name); });

}  // namespace
