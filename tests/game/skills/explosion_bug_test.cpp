// The explosion bug as the level data names it ("ExplosionBugs"): the first bird
// to touch it lights a three-second fuse that kills the other bird.
#include "api/script_api.h"
#include "game/birds/main_player_behaviour.h"
#include "game/egg/explosion_bug_behaviour.h"
#include "skill_fixture.h"

namespace {

const char* const kExplosionBug =
    "<Object Name=\"Fuse\"><Instance><Transform><Position X=\"6\" Y=\"-5\" Layer=\"3\"/>"
    "<Scale X=\"1\" Y=\"1\"/></Transform><Rigid_Body><isStatic Type=\"0\"/><GravityScale G=\"0\"/></Rigid_Body>"
    "<Collider><IsGhost G=\"1\"/><Collider_Size W=\"1\" H=\"1\"/></Collider>"
    "<Scripts><ExplosionBugs/></Scripts></Instance></Object>";

TEST_F(SkillFixture, TheBugTheDataNamesExplosionBugsKillsTheOtherBirdThreeSecondsAfterATouch) {
    Open(1, 2, kExplosionBug);
    Engine::GameObj* fuse = api::Find("Fuse");
    ASSERT_NE(fuse, nullptr);
    ExplosionBugBehaviour* bug = api::ScriptOf<ExplosionBugBehaviour>(fuse);
    ASSERT_NE(bug, nullptr) << "\"ExplosionBugs\" in the data attaches the explosion bug";
    Place(P2(), {-10.0f, NAN}, true);
    Place(P1(), {-4.0f, NAN}, true);
    Step(2);
    ASSERT_FALSE(bug->armed);
    api::SetPosition(P1(), api::Position(fuse));
    Step(3);
    EXPECT_TRUE(bug->armed);
    Place(P1(), {-4.0f, NAN}, true);
    StepSeconds(2.5f);
    EXPECT_FALSE(Bird(P2())->State().dead) << "the fuse burns three seconds";
    StepSeconds(0.7f);
    EXPECT_TRUE(Bird(P2())->State().dead);
    EXPECT_FALSE(Bird(P1())->State().dead) << "the bird that touched it lives";
    EXPECT_FALSE(bug->armed);
}

}  // namespace
