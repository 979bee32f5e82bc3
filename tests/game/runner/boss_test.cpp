// The boss: arrives at 180 s behind its portal, fires its three patterns (every
// one of them reachable after any other), its balls and blast kill, its kill
// zone cycles, and hits on it score.
#include <map>

#include "game/birds/main_player_behaviour.h"
#include "game/runner/boss.h"
#include "game/runner/boss_bullet.h"
#include "graphics/renderable2d.h"
#include "runner_fixture.h"
#include "support/bird_test_access.h"

namespace {

struct BossFixture : RunnerFixture {
    Boss* boss = nullptr;
    // Brings the boss in at 180 s and lets its fade-in finish.
    void Arrive(bool waitForFadeIn = true) {
        Open();
        JumpTo(180.0f);
        Step();
        boss = api::ScriptOf<Boss>(Find("Boss"));
        ASSERT_NE(boss, nullptr);
        if (waitForFadeIn) Step(310);
        boss->moveDelay = 1.0e6f;  // no vertical moves unless a test asks for one
    }
    // Steps until the attack that the next frame starts has ended; false if it never does.
    bool RunOneAttack(int maxFrames) {
        bool started = false;
        for (int frame = 0; frame < maxFrames; ++frame) {
            Step();
            started = started || boss->attacking;
            if (started && !boss->attacking) return true;
        }
        return false;
    }
    std::vector<BossBullet*> Bullets() const {
        std::vector<BossBullet*> bullets;
        for (const api::ObjectRef& ball : boss->balls) bullets.push_back(api::ScriptOf<BossBullet>(ball));
        return bullets;
    }
};

TEST_F(BossFixture, ArrivesAt180FadingInBehindItsPortalAndHoldsItsPlace) {
    Arrive(false);
    Engine::GameObj* bossObject = boss->owner;
    EXPECT_NEAR(api::Position(bossObject).x, 12.5f, 1e-4f);
    EXPECT_NEAR(api::Position(bossObject).y, -0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(boss->home.x, 12.5f);
    EXPECT_FLOAT_EQ(boss->home.y, -0.5f);
    EXPECT_TRUE(boss->appearing);
    ASSERT_TRUE(boss->portal);
    EXPECT_EQ(boss->balls.size(), 30u);
    Step(150);
    const uint32_t alpha = bossObject->GetSprite()->color >> 24;
    EXPECT_NEAR(static_cast<int>(alpha), static_cast<int>(2.5f * 51.0f), 3) << "half way through the fade";
    EXPECT_FLOAT_EQ(api::Position(boss->portal.Get()).x, api::Position(bossObject).x);
    Step(160);
    EXPECT_FALSE(boss->appearing);
    EXPECT_FALSE(boss->portal);
    EXPECT_EQ(bossObject->GetSprite()->color >> 24, 0xFFu);
    for (BossBullet* bullet : Bullets()) {
        ASSERT_NE(bullet, nullptr);
        EXPECT_FALSE(bullet->fired);
    }
}

TEST_F(BossFixture, EveryAttackPatternFollowsEveryOtherOne) {
    Arrive();
    std::map<std::pair<int, int>, int> seen;
    int previous = boss->nextAttack;
    for (int attack = 0; attack < 300; ++attack) {
        boss->EndAttack();
        ++seen[{previous, boss->nextAttack}];
        previous = boss->nextAttack;
        EXPECT_GE(boss->attackDelay, 3.0f);
        EXPECT_LE(boss->attackDelay, 6.0f);
    }
    for (int from = 0; from < Boss::kAttackCount; ++from)
        for (int to = 0; to < Boss::kAttackCount; ++to)
            EXPECT_GT((seen[{from, to}]), 0) << "attack " << to << " never followed attack " << from;
}

TEST_F(BossFixture, TheArrowAttackFromHeightZeroFiresMiddleThenTwoRowsEachSide) {
    Arrive();
    api::SetPosition(boss->owner, {12.5f, 0.0f});
    boss->nextAttack = Boss::kArrow;
    boss->attackTimer = boss->attackDelay + 0.01f;
    ASSERT_TRUE(RunOneAttack(1200)) << "the arrow attack ended";
    const float expected[] = {0, 2, -2, 3, -3, 0, 2, -2, 3, -3, 0, 2, -2, 3, -3};
    std::vector<BossBullet*> bullets = Bullets();
    for (size_t shot = 0; shot < 15; ++shot) {
        EXPECT_TRUE(bullets[shot]->fired) << shot;
        EXPECT_NEAR(api::Position(bullets[shot]->owner).y, expected[shot], 1e-4f) << "shot " << shot;
        EXPECT_FLOAT_EQ(bullets[shot]->heading.x, -2.5f);
    }
    EXPECT_FALSE(bullets[15]->fired);
    EXPECT_EQ(boss->ballsInFlight, 15);
}

TEST_F(BossFixture, TheFourWaySpreadFiresTenPoolBallsAndElevenExtrasThatAllFly) {
    Arrive();
    const size_t before = All("BossBalls").size();
    boss->nextAttack = Boss::kFourWay;
    boss->attackTimer = boss->attackDelay + 0.01f;
    ASSERT_TRUE(RunOneAttack(2400));
    EXPECT_EQ(All("BossBalls").size(), before + 11);
    int flying = 0;
    for (Engine::GameObj* ball : All("BossBalls")) {
        const BossBullet* bullet = api::ScriptOf<BossBullet>(ball);
        if (bullet && bullet->fired) {
            ++flying;
            EXPECT_LT(api::Velocity(ball).x, 0.0f) << "a fired ball moves";
        }
    }
    EXPECT_EQ(flying, boss->ballsInFlight);
}

TEST_F(BossFixture, WithMoreThanFourBallsFlyingTheNextAttackWaits) {
    Arrive();
    boss->ballsInFlight = 5;
    const float timer = boss->attackTimer;
    Step(60);
    EXPECT_FLOAT_EQ(boss->attackTimer, timer);
    boss->ballsInFlight = 4;
    Step(1);
    EXPECT_GT(boss->attackTimer, timer);
}

TEST_F(BossFixture, ABallKillsAnUnprotectedBirdAndIsRecycledButPassesAProtectedOne) {
    Arrive();
    BossBullet* bullet = Bullets()[0];
    Engine::GameObj* ball = bullet->owner;
    const struct {
        bool protectedBird;
        bool dies;
    } cases[] = {{true, false}, {false, true}};
    for (const auto& c : cases) {
        ParkBirds();
        api::SetPosition(ball, {-40.0f, 60.0f});
        Step(2);  // apart long enough for the contact to end
        SetProtected(bird1(), c.protectedBird);
        api::SetPosition(bird1(), {0.0f, 2.0f});
        api::SetPosition(ball, {0.0f, 2.0f});
        bullet->fired = true;
        bullet->heading = {-0.1f, 0.0f};
        boss->ballsInFlight = 1;
        Step(2);
        EXPECT_EQ(Dead(bird1()), c.dies);
        EXPECT_EQ(bullet->fired, !c.dies);
        EXPECT_EQ(boss->ballsInFlight, c.dies ? 0 : 1);
        if (c.dies) {
            EXPECT_GE(api::Position(ball).x, 365.0f);
        }
    }
}

TEST_F(BossFixture, ABallThatReachesABoundIsRecycledOnce) {
    Arrive();
    BossBullet* bullet = Bullets()[1];
    bullet->fired = true;
    bullet->heading = {-2.0f, 0.0f};
    boss->ballsInFlight = 1;
    api::SetPosition(bullet->owner, {-17.6f, 0.0f});
    Step(3);
    EXPECT_FALSE(bullet->fired);
    EXPECT_EQ(boss->ballsInFlight, 0);
    EXPECT_GE(api::Position(bullet->owner).x, 365.0f);
    bullet->Recycle();  // recycling an idle ball changes no count
    EXPECT_EQ(boss->ballsInFlight, 0);
}

TEST_F(BossFixture, AHomingBallTakesPlayer2WhenBothAreEquallyFar) {
    Arrive();
    BossBullet* bullet = Bullets()[2];
    api::SetPosition(bullet->owner, {0.0f, 0.0f});
    api::SetPosition(bird1(), {-3.0f, 4.0f});
    api::SetPosition(bird2(), {-3.0f, -4.0f});
    bullet->fired = true;
    bullet->homing = true;
    Step();
    EXPECT_EQ(bullet->target.Get(), bird2());
    EXPECT_LE(bullet->heading.y, -1.0f) << "Player2 is below: the ball dives";
    EXPECT_LE(bullet->heading.x, -2.0f);
    EXPECT_GE(bullet->heading.x, -5.0f);
}

TEST_F(BossFixture, TheKillZoneWarnsForFourSecondsThenBlastsUntilSixOncePerCycle) {
    Arrive();
    Engine::GameObj* bossObject = boss->owner;
    api::SetPosition(bird1(), api::Position(bossObject) - api::vec2{4.9f, 0.0f});
    SetProtected(bird1(), true);
    Step();
    EXPECT_TRUE(boss->ultimateArmed);
    ParkBirds();
    Step(60);
    const api::vec2 at = api::Position(bossObject), size = api::Scale(bossObject);
    EXPECT_NEAR(api::Position(boss->alert.Get()).x, at.x - size.x / 3.0f, 1e-3f);
    EXPECT_NEAR(api::Position(boss->alert.Get()).y, at.y + size.y / 3.0f, 1e-3f);
    EXPECT_FALSE(boss->barrierSoundPlayed);
    Step(185);  // past 4 s
    EXPECT_TRUE(boss->barrierSoundPlayed);
    EXPECT_NEAR(api::Position(boss->ultimateCollider.Get()).x, at.x, 1e-3f);
    EXPECT_LT(api::Position(boss->alert.Get()).x, -100.0f);
    Step(125);  // past 6 s
    EXPECT_FALSE(boss->ultimateArmed);
    EXPECT_FALSE(boss->barrierSoundPlayed);
    EXPECT_LT(api::Position(boss->ultimateCollider.Get()).x, -100.0f);
}

TEST_F(BossFixture, TheBlastRingKillsAnUnprotectedBird) {
    Arrive();
    Engine::GameObj* blast = boss->ultimateCollider.Get();
    ASSERT_NE(blast, nullptr);
    api::SetPosition(blast, {-4.0f, 3.0f});
    Touch(bird1(), blast);
    EXPECT_TRUE(Dead(bird1()));
    SetProtected(bird2(), true);
    Touch(bird2(), blast);
    EXPECT_FALSE(Dead(bird2()));
}

TEST_F(BossFixture, DungSkillsAndPecksScoreOnTheBossForTheirBird) {
    Arrive();
    Engine::GameObj* dung = api::Spawn("MusicNote", 0.0f, 0.0f);
    ASSERT_NE(dung, nullptr);
    dung->name = "Dung";
    dung->shooter = bird2();
    SetScore(bird1(), 0);
    SetScore(bird2(), 0);
    boss->OnCollisionEnter(dung);
    EXPECT_EQ(Score(bird2()), 5);
    EXPECT_FLOAT_EQ(api::Position(dung).x, -50.0f);
    EXPECT_TRUE(boss->hitFlash);
    dung->shooter.Reset();
    boss->OnCollisionEnter(dung);
    EXPECT_EQ(Score(bird1()) + Score(bird2()), 5) << "dung of no bird scores nothing";
    dung->name = "LightningBall";
    dung->shooter = bird1();
    boss->OnCollisionEnter(dung);
    EXPECT_EQ(Score(bird1()), 5);
    auto* main = api::ScriptOf<MainPlayerBehaviour>(bird1());
    Edit(main).pecking = true;
    for (int frame = 0; frame < 3; ++frame) boss->OnCollisionStay(bird1());
    EXPECT_EQ(Score(bird1()), 11);
    Edit(main).pecking = false;
    boss->OnCollisionStay(bird1());
    EXPECT_EQ(Score(bird1()), 11);
    Step(10);
    EXPECT_FALSE(boss->hitFlash) << "the red flash lasts a tenth of a second";
}

TEST_F(BossFixture, AVerticalMoveGoesToItsEndAndBackHome) {
    Arrive();
    boss->moveUp = true;
    boss->moveDelay = 0.0f;
    float highest = -100.0f;
    int frames = 0;
    Step();
    ASSERT_TRUE(boss->inMove);
    for (; frames < 1200 && boss->inMove; ++frames) {
        Step();
        highest = std::max(highest, api::Position(boss->owner).y);
    }
    EXPECT_FALSE(boss->inMove);
    EXPECT_NEAR(highest, Boss::kMoveTop, 0.05f);
    EXPECT_NEAR(api::Position(boss->owner).y, boss->home.y, 0.05f);
    EXPECT_FALSE(boss->moveUp) << "the next move goes down";
    EXPECT_FLOAT_EQ(api::Position(boss->owner).x, 12.5f);
}

}  // namespace
