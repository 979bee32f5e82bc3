// The four skills against the other bird: each hits with its own stun inside
// its reach and misses outside it, never touches its own bird or a protected
// one, and the bird refuses a second use until the cooldown has passed.
#include <cmath>

#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"
#include "game/skills/skills.h"
#include "physics/collider.h"
#include "physics/rigid_body.h"
#include "skill_fixture.h"
#include "support/bird_test_access.h"

namespace {

constexpr Engine::VirtualKey kSkillKey = 0x48;  // H, "Player"'s skill

struct Outcome {
    bool stunned = false;
    float stunDuration = 0.0f;
    std::string animation;
    bool ownBirdStunned = false;
};

// Steps `seconds`, noting the first frame the other bird is stunned.
Outcome Watch(SkillFixture& f, float seconds) {
    Outcome seen;
    const int frames = static_cast<int>(std::lround(seconds * 60.0f));
    for (int i = 0; i < frames; ++i) {
        f.Step();
        MainPlayerBehaviour* other = SkillFixture::Bird(f.P2());
        if (!seen.stunned && other->State().stunned) {
            seen.stunned = true;
            seen.stunDuration = other->State().stunDuration;
            seen.animation = other->State().currentAnimation;
        }
        if (SkillFixture::Bird(f.P1())->State().stunned) seen.ownBirdStunned = true;
    }
    return seen;
}

struct SkillCase {
    const char* name;
    int character;
    float offset;    // the other bird's x from the skilled bird (which faces right)
    bool hits;
    float stun;      // seconds
    float duration;  // of the skill
    const char* injured;
};

class SkillReach : public SkillFixture, public ::testing::WithParamInterface<SkillCase> {};

TEST_P(SkillReach, HitsTheOtherBirdInsideItsReachOnly) {
    const SkillCase& c = GetParam();
    Open(c.character, 1);
    Place(P1(), {-3.0f, NAN}, true);
    Place(P2(), {-3.0f + c.offset, NAN}, false);
    Step(2);
    Tap(kSkillKey);
    EXPECT_TRUE(Bird(P1())->State().skillRequested || Character(P1())->skill.skillStarted) << "the skill key starts the skill";
    const Outcome seen = Watch(*this, c.duration + 0.3f);
    EXPECT_EQ(seen.stunned, c.hits);
    if (c.hits) {
        EXPECT_FLOAT_EQ(seen.stunDuration, c.stun);
        EXPECT_EQ(seen.animation, c.injured);
    }
    EXPECT_FALSE(seen.ownBirdStunned) << "a skill never stuns its own bird";
    EXPECT_FALSE(Bird(P1())->State().skillRequested) << "the skill ended";
}

INSTANTIATE_TEST_SUITE_P(
    Skills, SkillReach,
    ::testing::Values(SkillCase{"BallsInFront", 1, 6.0f, true, 1.5f, 5.0f, "RoziDoro_Hurt"},
                      SkillCase{"BallsBehind", 1, -6.0f, false, 0.0f, 5.0f, ""},
                      SkillCase{"ScreamClose", 2, 3.0f, true, 1.0f, 1.0f, "RoziDoro_Hurt"},
                      SkillCase{"ScreamFar", 2, 8.0f, false, 0.0f, 1.0f, ""},
                      SkillCase{"CannonInFront", 3, 5.0f, true, 1.0f, 4.0f, "RoziDoro_Hurt"},
                      SkillCase{"CannonBehind", 3, -5.0f, false, 0.0f, 4.0f, ""},
                      SkillCase{"FartCloudClose", 4, 2.5f, true, 2.5f, 3.0f, "RoziDoro_Hurt"},
                      SkillCase{"FartCloudFar", 4, 8.0f, false, 0.0f, 3.0f, ""}),
    [](const ::testing::TestParamInfo<SkillCase>& info) { return std::string(info.param.name); });

TEST_F(SkillFixture, ALightningHitPlaysItsSound) {
    Open(1, 1);
    Place(P1(), {-3.0f, NAN}, true);
    Place(P2(), {3.0f, NAN}, false);
    Step(2);
    Played("event:/Myna_Lightning_Hit");
    Tap(kSkillKey);
    bool heard = false;
    for (int i = 0; i < 240 && !heard; ++i) {
        Step();
        heard = Played("event:/Myna_Lightning_Hit");
    }
    EXPECT_TRUE(heard);
}

TEST_F(SkillFixture, SkillObjectsSpareAProtectedBird) {
    Open(2, 1);
    Place(P1(), {-3.0f, NAN}, true);
    Place(P2(), {0.0f, NAN}, false);
    Edit(Bird(P2())).invulnerable = true;
    Edit(Bird(P2())).holdInvulnerable = true;
    Step(2);
    Tap(kSkillKey);
    const Outcome seen = Watch(*this, 1.3f);
    EXPECT_FALSE(seen.stunned);
}

TEST_F(SkillFixture, TheBallsLeaveFromAboveTheBirdFacingRightAndFromItsCentreFacingLeft) {
    const struct {
        bool right;
        float lift;
        int slowest;
        int fastest;
    } cases[] = {{true, 1.0f, 2, 4}, {false, 0.0f, 1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.right ? "facing right" : "facing left");
        Open(1, 1);
        IndividualPlayerBehaviour* rozi = Character(P1());
        // The other bird far below: both balls dive at once.
        Place(P1(), {0.0f, 3.0f}, c.right);
        Place(P2(), {c.right ? 12.0f : -12.0f, NAN}, !c.right);
        MainPlayerBehaviour* bird = Bird(P1());
        Edit(bird).skillRequested = true;
        const Engine::vec2 from = api::Position(P1());
        rozi->RunSkill(1.0f / 60.0f);
        for (const api::ObjectRef* ball : {&rozi->skill.lightningBall1, &rozi->skill.lightningBall2}) {
            ASSERT_TRUE(*ball);
            EXPECT_FLOAT_EQ(api::Position(ball->Get()).x, from.x);
            EXPECT_FLOAT_EQ(api::Position(ball->Get()).y, from.y + c.lift);
        }
        EXPECT_FLOAT_EQ(rozi->skill.ballSpeedX, c.right ? 5.0f : -5.0f);
        // Ball 1 dives (ball 2 is level with it); ball 2 dives as well.
        for (float speed : rozi->skill.ballVelocities) {
            EXPECT_LE(-speed, static_cast<float>(c.fastest));
            EXPECT_GE(-speed, static_cast<float>(c.slowest));
        }
        EXPECT_FLOAT_EQ(api::Velocity(rozi->skill.lightningBall1.Get()).x, rozi->skill.ballSpeedX);
        engine.reset();
    }
}

TEST_F(SkillFixture, TheFartCloudLastsFromTheFirstToTheThirdSecondAndNothingChangesAtExactlyOne) {
    Open(4, 1);
    IndividualPlayerBehaviour* rure = Character(P1());
    MainPlayerBehaviour* bird = Bird(P1());
    Place(P1(), {-3.0f, NAN}, true);
    Step(2);
    Edit(bird).skillRequested = true;
    rure->RunSkill(0.5f);
    Engine::GameObj* bomb = rure->skill.fartBomb.Get();
    ASSERT_NE(bomb, nullptr);
    EXPECT_FLOAT_EQ(api::Scale(bomb).x, 1.0f);
    EXPECT_EQ(api::TextureOf(bomb), "Mark");
    ASSERT_NE(bomb->GetRigidBody(), nullptr);
    EXPECT_FLOAT_EQ(bomb->GetRigidBody()->gravityScale, 0.5f) << "it sinks slowly";

    // Exactly 1.0 s: neither the sinking bomb's nor the cloud's settings apply.
    api::SetScale(bomb, {2.0f, 2.0f});
    rure->RunSkill(0.5f);
    EXPECT_FLOAT_EQ(rure->skill.skillElapsed, 1.0f);
    EXPECT_FALSE(rure->skill.bombLaunched);
    EXPECT_FLOAT_EQ(api::Scale(bomb).x, 2.0f);

    rure->RunSkill(0.25f);
    EXPECT_TRUE(rure->skill.bombLaunched);
    EXPECT_EQ(api::TextureOf(bomb), "FartBomb") << "the cloud shows as a cloud, not a grown mark";
    EXPECT_FLOAT_EQ(api::Scale(bomb).x, 5.0f);
    EXPECT_FLOAT_EQ(bomb->GetCollider()->width, 5.0f);
    EXPECT_TRUE(bird->State().skillRequested);

    rure->RunSkill(1.75f);  // 3.0 s: still the cloud
    EXPECT_TRUE(bird->State().skillRequested);
    EXPECT_FLOAT_EQ(api::Scale(bomb).x, 5.0f);

    rure->RunSkill(0.01f);  // past 3 s: gone
    EXPECT_FALSE(bird->State().skillRequested);
    EXPECT_FALSE(rure->skill.bombLaunched);
    EXPECT_TRUE(api::IsParked(bomb));
    EXPECT_EQ(api::TextureOf(bomb), "Mark");
}

TEST_F(SkillFixture, TheFartBombRestsOnTheGroundInsteadOfSinkingThroughIt) {
    Open(4, 1);
    Place(P1(), {-3.0f, NAN}, true);
    Step(2);
    IndividualPlayerBehaviour* rure = Character(P1());
    Edit(Bird(P1())).skillRequested = true;
    Step(10);
    Engine::GameObj* bomb = rure->skill.fartBomb.Get();
    ASSERT_NE(bomb, nullptr);
    ASSERT_FALSE(rure->skill.bombLaunched);
    const float landed = api::Position(bomb).y;
    const float groundTop = -7.0f;  // the range's ground: centre -8, height 2
    EXPECT_LT(landed, groundTop + 0.6f) << "dropped from under a standing bird, it is at the ground at once";
    Step(45);  // most of the fuse's second
    ASSERT_FALSE(rure->skill.bombLaunched);
    EXPECT_NEAR(api::Position(bomb).y, landed, 0.05f) << "the bomb sinks on through the ground";
    StepSeconds(0.2f);
    EXPECT_TRUE(rure->skill.bombLaunched);
    EXPECT_NEAR(api::Position(bomb).y, landed, 0.05f) << "the cloud hangs where the bomb rested";
}

TEST_F(SkillFixture, TheCooldownRefusesASecondUseUntilItHasPassed) {
    Open(2, 1);  // VadozaVaza: a 1 s skill and a 7 s cooldown
    MainPlayerBehaviour* bird = Bird(P1());
    Tap(kSkillKey);
    EXPECT_TRUE(bird->State().skillRequested);
    StepSeconds(1.2f);
    ASSERT_FALSE(bird->State().skillRequested);
    Tap(kSkillKey);
    EXPECT_FALSE(bird->State().skillRequested) << "refused right after the skill";
    StepSeconds(5.0f);
    Tap(kSkillKey);
    EXPECT_FALSE(bird->State().skillRequested) << "refused before the 7 s cooldown";
    StepSeconds(2.0f);
    Tap(kSkillKey);
    EXPECT_TRUE(bird->State().skillRequested) << "accepted once the cooldown has passed";
}

TEST_F(SkillFixture, SkillObjectsAreSpawnedOnceAndParkedBetweenUses) {
    Open(1, 2);
    IndividualPlayerBehaviour* rozi = Character(P1());
    Engine::GameObj* ball = rozi->skill.lightningBall1.Get();
    ASSERT_NE(ball, nullptr);
    EXPECT_TRUE(api::IsParked(ball));
    EXPECT_EQ(ball->shooter.Get(), P1());
    for (int use = 0; use < 2; ++use) {
        Edit(Bird(P1())).skillTimer = 100.0f;
        Tap(kSkillKey);
        Step(10);
        EXPECT_FALSE(api::IsParked(ball)) << "in flight";
        StepSeconds(5.0f);
        EXPECT_TRUE(api::IsParked(ball)) << "parked again";
    }
    EXPECT_EQ(api::FindAll("LightningBall").size(), 2u) << "two balls for the one RoziDoro, reused";
    EXPECT_EQ(rozi->skill.lightningBall1.Get(), ball);
    // The other bird, a VadozaVaza, has its scream and no balls.
    EXPECT_TRUE(Character(P2())->skill.screamObject);
    EXPECT_FALSE(Character(P2())->skill.lightningBall1);
}

TEST_F(SkillFixture, ALevelLoadWhileASkillRunsLeavesNothingDangling) {
    WriteLevel(kOtherRange);
    Open(1, 4);
    Tap(kSkillKey);
    Step(30);
    ASSERT_TRUE(Bird(P1())->State().skillRequested);
    Load(kOtherRange);
    // The new level's birds have their own objects, parked, and nothing of
    // the old level's skill moves in it.
    IndividualPlayerBehaviour* rozi = Character(P1());
    ASSERT_TRUE(rozi->skill.lightningBall1);
    EXPECT_TRUE(api::IsParked(rozi->skill.lightningBall1.Get()));
    EXPECT_EQ(api::FindAll("LightningBall").size(), 2u);
    EXPECT_FALSE(Bird(P1())->State().skillRequested);
    StepSeconds(1.0f);
    EXPECT_FALSE(Bird(P2())->State().stunned);
    for (Engine::GameObj* ball : api::FindAll("LightningBall")) EXPECT_TRUE(api::IsParked(ball));
    // And the skill runs again in the new level.
    Tap(kSkillKey);
    Step(5);
    EXPECT_FALSE(api::IsParked(rozi->skill.lightningBall1.Get()));
}

}  // namespace
