#include <cmath>

#include "core/editor_mode.h"
#include "physics_scene.h"

namespace physics_test {
namespace {

// The published physics system's registration lists.
Engine::PhysicsWorld& World() { return Engine::Physics::instance->world; }

using MotionTest = PhysicsScene;

TEST_F(MotionTest, BodyRestingOnAFloorKeepsStillAndSlidesOutOnePercentAStep) {
    Load({{"Floor", 0, 0, 20, 1, kStatic}, {"Box", 0, 1, 1, 1, kDynamic, 3, 0}});
    float expectedVx = 3.0f;
    float expectedX = 0.0f;
    for (int i = 0; i < 30; ++i) {
        Step();
        expectedVx *= 0.99f;
        expectedX += expectedVx * kDt;
        ASSERT_FLOAT_EQ(Body("Box").velocity.y, 0.0f) << "step " << i;
        ASSERT_FLOAT_EQ(Body("Box").velocity.x, expectedVx) << "step " << i;
        ASSERT_FLOAT_EQ(Position("Box").y, 1.0f) << "step " << i;
    }
    EXPECT_NEAR(Position("Box").x, expectedX, 1e-5);
}

TEST_F(MotionTest, FallingBodyLandsOnTopOfTheFloor) {
    Load({{"Floor", 0, 0, 20, 1, kStatic}, {"Box", 0, 4, 1, 1}});
    Step(120);
    EXPECT_NEAR(Position("Box").y, 1.0f, 1e-5);
    EXPECT_EQ(Body("Box").velocity.y, 0.0f);
}

struct IntegrationCase {
    float mass, gravityScale, forceY, expectedVy;
};
void PrintTo(const IntegrationCase& c, std::ostream* out) {
    *out << "mass " << c.mass << ", gravity scale " << c.gravityScale << ", force " << c.forceY << " -> vy "
         << c.expectedVy;
}

class IntegrationTest : public PhysicsScene, public ::testing::WithParamInterface<IntegrationCase> {};

// Gravity is multiplied by the mass (not divided), force is divided by it, and the
// sum is clamped at 10 before the body moves by it.
TEST_P(IntegrationTest, OneStepOfFreeFlight) {
    const IntegrationCase c = GetParam();
    Load({{"Box", 0, 20, 1, 1}});
    Body("Box").mass = c.mass;
    Body("Box").gravityScale = c.gravityScale;
    Body("Box").force = {0.0f, c.forceY};
    Step();
    EXPECT_NEAR(Body("Box").velocity.y, c.expectedVy, 1e-5);
    EXPECT_NEAR(Position("Box").y, 20.0f + c.expectedVy * kDt, 1e-5);
    EXPECT_EQ(Body("Box").force, Engine::vec2());
}

constexpr float kG = 10.0f / 60.0f;
INSTANTIATE_TEST_SUITE_P(Cases, IntegrationTest,
                         ::testing::Values(IntegrationCase{1, 1, 0, -kG}, IntegrationCase{2, 1, 0, -2 * kG},
                                           IntegrationCase{2, 0.5f, 0, -kG}, IntegrationCase{2, 1, 4, 2 - 2 * kG},
                                           IntegrationCase{1, 1, 100, 10}, IntegrationCase{0.5f, 1, -9, -10}));

TEST_F(MotionTest, VelocityIsClampedAtTenWhereverItComesFrom) {
    Load({{"Faller", 0, 60, 1, 1}, {"Written", -30, 60, 1, 1, kDynamic, 12, -30, 0}});
    EXPECT_EQ(Body("Written").velocity, Engine::vec2(10, -10)) << "the data file's velocity";
    Step(150);  // 2.5 s of gravity would reach -25
    EXPECT_EQ(Body("Faller").velocity.y, -10.0f);
    Body("Written").SetVelocity(-40, 11);
    EXPECT_EQ(Body("Written").velocity, Engine::vec2(-10, 10));
    Body("Written").velocity = {0, 25};  // written directly by a script
    const float y = Position("Written").y;
    Step();
    EXPECT_NEAR(Position("Written").y, y + 10 * kDt, 1e-5);
}

TEST_F(MotionTest, TwoDynamicBodiesAreSeparatedByOnePairRecord) {
    Load({{"Left", 0, 0, 1, 1, kDynamic, 5, 0, 0}, {"Right", 0.95f, 0, 1, 1, kDynamic, 0, 0, 0}});
    Step();
    // The one moving into the other is put back by this step's motion and stopped.
    EXPECT_NEAR(Position("Left").x, -5 * kDt, 1e-6);
    EXPECT_EQ(Body("Left").velocity, Engine::vec2());
    EXPECT_EQ(Position("Right"), Engine::vec2(0.95f, 0));
    for (const Engine::ContactPair& pair : Engine::Physics::instance->pairPool) ASSERT_FALSE(pair.used);
    EXPECT_EQ(Object("Left").previousContacts, std::vector<Engine::GameObj*>{&Object("Right")});
    EXPECT_EQ(Object("Right").previousContacts, std::vector<Engine::GameObj*>{&Object("Left")});
    EXPECT_EQ(Object("Left").contactFlags, 0);
}

TEST_F(MotionTest, DynamicBodyStopsAtAWall) {
    Load({{"Wall", 0, 0, 1, 4, kStatic}, {"Runner", -2.05f, 0, 1, 1, kDynamic, 6, 0, 0}});
    Step(40);
    EXPECT_NEAR(Position("Runner").x, -1.0f, 1e-5);
    EXPECT_EQ(Body("Runner").velocity.x, 0.0f);
}

// A contact found in step n reaches the scripts in step n + 1: passing through a
// box whose overlap starts in frame 12 and ends after frame 31.
struct PassThroughCase {
    const char* label;
    int runnerMotion;
    bool runnerGhost, zoneGhost;
    float gravityScale;
};
void PrintTo(const PassThroughCase& c, std::ostream* out) { *out << c.label; }

class PassThroughTest : public PhysicsScene, public ::testing::WithParamInterface<PassThroughCase> {};

TEST_P(PassThroughTest, ReportsEnterStayExitOneStepLateAndPushesNothing) {
    const PassThroughCase c = GetParam();
    BoxSpec zone{"Zone", 0, 0, 1, 4, kStatic};
    zone.ghost = c.zoneGhost;
    zone.scripts = {"ContactRecorder"};
    BoxSpec runner{"Runner", -2.05f, 0, 1, 1, c.runnerMotion, 6, 0, c.gravityScale};
    runner.ghost = c.runnerGhost;
    runner.scripts = {"ContactRecorder"};
    Load({zone, runner});
    Step(40);
    EXPECT_NEAR(Position("Runner").x, -2.05f + 40 * 0.1f, 1e-4);
    EXPECT_EQ(Position("Runner").y, 0.0f);
    EXPECT_EQ(Body("Runner").velocity, Engine::vec2(6, 0));
    EXPECT_EQ(Position("Zone"), Engine::vec2());
    for (const char* self : {"Zone", "Runner"}) {
        const char* other = std::string(self) == "Zone" ? "Runner" : "Zone";
        std::vector<ContactEvent> expected = {{self, "enter", other, 13}};
        for (int frame = 14; frame <= 32; ++frame) expected.push_back({self, "stay", other, frame});
        expected.push_back({self, "exit", other, 33});
        EXPECT_EQ(EventsOf(self), expected) << self;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PassThroughTest,
                         ::testing::Values(PassThroughCase{"GhostZone", kDynamic, false, true, 0},
                                           PassThroughCase{"GhostRunner", kDynamic, true, false, 0},
                                           PassThroughCase{"KinematicThroughWall", kKinematic, false, false, 1}),
                         [](const auto& info) { return std::string(info.param.label); });

class PauseTest : public PhysicsScene, public ::testing::WithParamInterface<int> {};

// While paused nothing is tested, so contacts end; after resuming the ones still
// touching begin again. The exit is delivered however long the pause lasted.
TEST_P(PauseTest, ContactsAreExitedThenEnteredAgain) {
    const int pausedFrames = GetParam();
    BoxSpec box{"Box", 0, 1, 1, 1, kDynamic, 3, 0};
    box.scripts = {"ContactRecorder"};
    Load({{"Floor", 0, 0, 20, 1, kStatic}, box});
    Step(3);
    const Engine::vec2 heldAt = Position("Box");
    engine->logic().paused = true;
    Step();
    EXPECT_EQ(Object("Box").exited, std::vector<Engine::GameObj*>{&Object("Floor")});
    Step(pausedFrames - 1);
    EXPECT_EQ(Position("Box"), heldAt);
    engine->logic().paused = false;
    Step(3);
    const int resumed = 3 + pausedFrames + 1;
    const std::vector<ContactEvent> expected = {{"Box", "enter", "Floor", 2},   {"Box", "stay", "Floor", 3},
                                                {"Box", "exit", "Floor", resumed}, {"Box", "enter", "Floor", resumed + 1},
                                                {"Box", "stay", "Floor", resumed + 2}};
    EXPECT_EQ(EventsOf("Box"), expected);
}

INSTANTIATE_TEST_SUITE_P(Lengths, PauseTest, ::testing::Values(1, 4));

TEST_F(MotionTest, ContactBegunJustBeforeAPauseIsNeitherEnteredNorExitedDuringIt) {
    BoxSpec box{"Box", 0, 1, 1, 1};
    box.scripts = {"ContactRecorder"};
    Load({{"Floor", 0, 0, 20, 1, kStatic}, box});
    Step();  // contact found, not yet delivered
    engine->logic().paused = true;
    Step(3);
    engine->logic().paused = false;
    Step(2);
    EXPECT_EQ(EventsOf("Box"), (std::vector<ContactEvent>{{"Box", "enter", "Floor", 6}}));
}

TEST_F(MotionTest, DestroyedObjectCollidesInItsLastStepAndIsThenReleased) {
    BoxSpec floor{"Floor", 0, 0, 20, 1, kStatic};
    floor.scripts = {"ContactRecorder"};
    Load({floor, {"Doomed", 0, 0.9f, 1, 1, kDynamic, 0, -5}});
    Engine::GameObj& doomed = Object("Doomed");
    doomed.Destroy();
    doomed.Destroy();
    Step();
    EXPECT_NEAR(doomed.transform->position.y, 1.0f, 1e-5) << "pushed out of the floor in its last step";
    EXPECT_FALSE(doomed.active);
    EXPECT_TRUE(doomed.components.empty());
    EXPECT_EQ(World().movingColliders.size(), 0u);
    Step(3);
    EXPECT_EQ(EventsOf("Floor"), (std::vector<ContactEvent>{{"Floor", "enter", "Doomed", 2},
                                                             {"Floor", "exit", "Doomed", 3}}));
}

struct HoldCase {
    bool editor, paused;
};
void PrintTo(const HoldCase& c, std::ostream* out) { *out << (c.editor ? "editor mode" : c.paused ? "paused" : "running"); }

class HeldStepTest : public PhysicsScene, public ::testing::WithParamInterface<HoldCase> {};

// Editor mode and pause stop motion and collision, but colliders still follow
// their transforms and destroyed objects are still released.
TEST_P(HeldStepTest, NothingMovesButReleasesAndRefilingGoOn) {
    Load({{"Floor", 0, 0, 20, 1, kStatic}, {"Box", 0, 3, 1, 1, kDynamic, 4, 4}, {"Doomed", 5, 5, 1, 1}});
    engine->core().settings.editorMode = GetParam().editor;
    engine->logic().paused = GetParam().paused;
    Object("Doomed").Destroy();
    Position("Floor") = {0, -2};
    Step(5);
    EXPECT_EQ(Position("Box"), Engine::vec2(0, 3));
    EXPECT_EQ(Body("Box").velocity, Engine::vec2(4, 4));
    EXPECT_FALSE(Object("Doomed").active);
    EXPECT_FLOAT_EQ(Object("Floor").GetCollider()->box.w, -1.5f);
}

INSTANTIATE_TEST_SUITE_P(Modes, HeldStepTest, ::testing::Values(HoldCase{true, false}, HoldCase{false, true}),
                         [](const auto& info) { return std::string(info.param.editor ? "Editor" : "Paused"); });

}  // namespace
}  // namespace physics_test
