// What the birds meet on the way: the checkpoint goes to the first bird through
// it, pipes pay, tunnel girders and debris kill the unprotected, meteors fall
// after a warning.
#include "game/game_values.h"
#include "game/runner/l4_checkpoint.h"
#include "game/runner/l4_collidable.h"
#include "game/runner/l4_debris.h"
#include "runner_fixture.h"

namespace {

TEST_F(RunnerFixture, TheCheckpointGoesToTheFirstBirdAndPaysAfterItsPrizeHasFlown) {
    Open();
    JumpTo(45.0f);
    Step();
    Engine::GameObj* gateObject = Find("RunCheckpoint");
    L4Checkpoint* gate = api::ScriptOf<L4Checkpoint>(gateObject);
    ASSERT_NE(gate, nullptr);
    SetScore(bird1(), 0);
    SetScore(bird2(), 0);
    Touch(bird2(), gateObject);
    EXPECT_TRUE(gate->claimed);
    EXPECT_EQ(gate->claimer.Get(), bird2());
    EXPECT_EQ(Score(bird2()), 0) << "the prize is added when it lands";
    Touch(bird1(), gateObject);
    EXPECT_EQ(gate->claimer.Get(), bird2()) << "a second bird through the same gate wins nothing";
    ParkBirds();
    Step(65);
    EXPECT_EQ(Score(bird2()), 100);
    EXPECT_EQ(Score(bird1()), 0);
    EXPECT_FALSE(gate->payout->Flying());
}

TEST_F(RunnerFixture, TheCheckpointResetsAtTheLeftBoundAndCanBeWonAgain) {
    Open();
    JumpTo(45.0f);
    Step();
    Engine::GameObj* gateObject = Find("RunCheckpoint");
    L4Checkpoint* gate = api::ScriptOf<L4Checkpoint>(gateObject);
    Touch(bird1(), gateObject);
    ParkBirds();
    ASSERT_TRUE(gate->claimed);
    api::SetPosition(gateObject, {-17.2f, 0.0f});
    Step(3);
    EXPECT_FALSE(gate->claimed);
    EXPECT_FLOAT_EQ(gate->speed, 0.0f);
    EXPECT_NEAR(api::Position(gateObject).x, 270.0f, 0.01f);
    JumpTo(110.0f);
    Step();
    EXPECT_NEAR(api::Position(gateObject).x, 15.0f, 0.1f);
    Touch(bird2(), gateObject);
    EXPECT_EQ(gate->claimer.Get(), bird2());
}

struct HazardCase {
    const char* archetype;
    float time;
    bool protectedBird;
    int dies;  // 1 dies, 0 lives, -1 left to the bird's own rules
    int pay;
};

class HazardContact : public RunnerFixture, public ::testing::WithParamInterface<HazardCase> {};

TEST_P(HazardContact, KillsAndPaysAsItsKindSays) {
    const HazardCase& c = GetParam();
    Open();
    JumpTo(c.time);
    Step();
    std::vector<Engine::GameObj*> hazards = All(c.archetype);
    ASSERT_FALSE(hazards.empty());
    Engine::GameObj* hazard = hazards.front();
    api::SetPosition(hazard, {0.0f, 3.0f});
    SetProtected(bird1(), c.protectedBird);
    SetScore(bird1(), 7);
    Touch(bird1(), hazard);
    if (c.dies >= 0) {
        EXPECT_EQ(Dead(bird1()), c.dies == 1);
    }
    EXPECT_EQ(Score(bird1()), 7 + c.pay);
    EXPECT_FALSE(Dead(bird2()));
}

INSTANTIATE_TEST_SUITE_P(
    Runner, HazardContact,
    ::testing::Values(HazardCase{"L4Pipe", 120.0f, false, -1, 20}, HazardCase{"L4Pipe", 120.0f, true, 0, 20},
                      HazardCase{"L4Section1", 120.0f, false, 1, 0}, HazardCase{"L4Section1", 120.0f, true, 0, 0},
                      HazardCase{"L4Debris", 55.0f, false, 1, 0}, HazardCase{"L4Debris", 55.0f, true, 0, 0}),
    [](const ::testing::TestParamInfo<HazardCase>& info) {
        return std::string(info.param.archetype) + (info.param.protectedBird ? "_Protected" : "_Unprotected");
    });

TEST_F(RunnerFixture, PipesAndGirdersSweepLeftAtSevenUnitsASecondAndStopOnceParked) {
    Open();
    JumpTo(120.0f);
    Step();
    Engine::GameObj* pipe = All("L4Pipe").front();
    Engine::GameObj* girder = All("L4Section1").front();
    const float pipeX = api::Position(pipe).x, girderX = api::Position(girder).x;
    Step(60);
    EXPECT_NEAR(api::Position(pipe).x, pipeX - 7.0f, 0.05f);
    EXPECT_NEAR(api::Position(girder).x, girderX - 7.0f, 0.05f);
    api::SetPosition(pipe, {999.0f, 999.0f});
    Step(2);
    EXPECT_FLOAT_EQ(api::ScriptOf<L4Collidable>(pipe)->speed, 0.0f);
    EXPECT_FLOAT_EQ(api::Position(pipe).x, 999.0f);
}

TEST_F(RunnerFixture, APipesLaserStaysAtItsMouthAndKeepsAFiniteLength) {
    Open();
    JumpTo(120.0f);
    Step();
    for (Engine::GameObj* pipe : All("L4Pipe")) {
        L4Collidable* script = api::ScriptOf<L4Collidable>(pipe);
        ASSERT_NE(script, nullptr);
        ASSERT_TRUE(script->laser);
    }
    Step(300);
    for (Engine::GameObj* pipe : All("L4Pipe")) {
        Engine::GameObj* laser = api::ScriptOf<L4Collidable>(pipe)->laser.Get();
        const float length = api::Scale(laser).y;
        EXPECT_GE(length, 0.0f);
        EXPECT_LE(length, 8.5f);
        const float pipeY = api::Position(pipe).y, laserY = api::Position(laser).y;
        // The beam reaches from inside the pipe towards the middle of the screen.
        if (pipeY > 0.0f)
            EXPECT_LT(laserY, pipeY);
        else
            EXPECT_GT(laserY, pipeY);
        EXPECT_NEAR(api::Position(laser).x, api::Position(pipe).x, 0.2f);
    }
}

TEST_F(RunnerFixture, EveryFifthPieceOfDebrisIsAMeteorThatFallsAfterItsWarningTimeWithItsTrail) {
    Open();
    const int before = level()->debrisCount;
    JumpTo(55.0f);
    Step();
    int meteors = 0;
    L4Debris* meteor = nullptr;
    for (Engine::GameObj* piece : All("L4Debris")) {
        L4Debris* script = api::ScriptOf<L4Debris>(piece);
        if (!script->meteor) continue;
        ++meteors;
        meteor = script;
        EXPECT_GE(script->warnTimer, 6.9f);
        EXPECT_LE(script->warnTimer, 9.0f);
    }
    EXPECT_EQ(level()->debrisCount - before, 20);
    EXPECT_EQ(meteors, (before + 20) / 5 - before / 5);
    ASSERT_NE(meteor, nullptr);
    api::SetPosition(meteor->owner, {5.0f, 5.0f});
    meteor->warnTimer = 0.05f;
    Step(2);
    const api::vec2 start = api::Position(meteor->owner);
    Step(60);
    const api::vec2 end = api::Position(meteor->owner);
    EXPECT_NEAR(start.x - end.x, 4.0f, 0.1f);
    EXPECT_NEAR(start.y - end.y, 3.0f, 0.1f);
    EXPECT_EQ(meteor->owner->GetSprite()->color, L4Debris::kDebrisColor);
    for (const api::ObjectRef& trail : meteor->trails) {
        ASSERT_TRUE(trail);
        EXPECT_EQ(trail->GetSprite()->color, L4Debris::kTrailColor);
        EXPECT_NEAR(api::Position(trail.Get()).x, end.x, 0.01f);
    }
}

TEST_F(RunnerFixture, AMeteorComingRoundIsAnnouncedWhileItIsAboveTheScreen) {
    Open();
    JumpTo(55.0f);
    Step();
    L4Debris* meteor = nullptr;
    for (Engine::GameObj* piece : All("L4Debris"))
        if (api::ScriptOf<L4Debris>(piece)->meteor) meteor = api::ScriptOf<L4Debris>(piece);
    ASSERT_NE(meteor, nullptr);
    Engine::GameObj* sign = meteor->sign.Get();
    ASSERT_NE(sign, nullptr);
    meteor->warnTimer = 0.0f;
    Step();  // the first falling frame picks up the fall's speed
    api::SetPosition(meteor->owner, {6.0f, -14.99f});
    Step();
    EXPECT_NEAR(api::Position(meteor->owner).y, 12.0f, 0.1f);
    EXPECT_EQ(sign->GetSprite()->color, 0xFFFFFFFFu) << "the sign shows as the meteor comes round";
    EXPECT_NEAR(api::Position(sign).y, 6.5f, 0.01f);
    EXPECT_LT(api::Position(sign).x, api::Position(meteor->owner).x);
    Step(75);  // three units a second: below y 9 after a second
    EXPECT_LT(api::Position(meteor->owner).y, 9.0f);
    EXPECT_EQ(sign->GetSprite()->color, 0x00000000u);
}

}  // namespace
