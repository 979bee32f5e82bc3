// The movers' broadphase must change nothing but the time a step takes: the same
// crowd stepped with it and with every pair tested ends in the same state, bit for
// bit, step after step, contacts and their callbacks included.
#include <cstring>
#include <random>

#include "physics_scene.h"

namespace physics_test {
namespace {

uint32_t Bits(float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

// A crowd in a walled pit: piles of boxes on one spot, fast boxes crossing each
// other, kinematic and ghost movers, long thin boxes, bodies of every gravity.
std::vector<BoxSpec> Crowd(unsigned seed) {
    std::mt19937 random(seed);
    auto between = [&](float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(random); };
    std::vector<BoxSpec> boxes = {{"Floor", 0, -8, 40, 1, kStatic},
                                  {"LeftWall", -15, 0, 1, 18, kStatic},
                                  {"RightWall", 15, 0, 1, 18, kStatic},
                                  {"Shelf", -4, -2, 6, 0.5f, kStatic},
                                  {"Ceiling", 0, 8.5f, 40, 1, kStatic}};
    int index = 0;
    auto name = [&] { return "M" + std::to_string(index++); };
    for (int i = 0; i < 24; ++i) boxes.push_back({name(), 6, 0, 1, 1});  // one pile, all on one spot
    for (int i = 0; i < 12; ++i) boxes.push_back({name(), -10 + 0.9f * static_cast<float>(i), -7, 0.9f, 0.9f});
    boxes.push_back({name(), -12, 4, 10, 0.3f, kKinematic, 3, 0, 0});  // a long sweeping bar
    boxes.push_back({name(), 12, -3, 10, 0.3f, kDynamic, -10, 0, 0});
    for (int i = 0; i < 140; ++i) {
        const float roll = between(0, 1);
        const int motion = roll < 0.75f ? kDynamic : kKinematic;
        const bool ghost = between(0, 1) < 0.1f;
        boxes.push_back({name(), between(-13, 13), between(-7, 7), between(0.3f, 2.0f), between(0.3f, 2.0f), motion,
                         between(-14, 14), between(-14, 14), between(-0.5f, 2.0f), ghost});
    }
    for (BoxSpec& box : boxes) box.scripts = {"ContactRecorder"};
    return boxes;
}

using BroadphaseTest = PhysicsScene;

// One line per object: position, velocity, colliding flag and this step's contacts.
std::string Snapshot(const std::vector<BoxSpec>& boxes) {
    std::string out;
    char line[160];
    for (const BoxSpec& box : boxes) {
        Engine::GameObj* object = Engine::GameObj::FindObject(box.name);
        if (!object) continue;
        const Engine::vec2 p = object->transform->position;
        const Engine::vec2 v = object->GetRigidBody()->velocity;
        std::snprintf(line, sizeof line, "%s %08x %08x %08x %08x %d:", box.name.c_str(), Bits(p.x), Bits(p.y),
                      Bits(v.x), Bits(v.y), object->GetCollider()->colliding ? 1 : 0);
        out += line;
        for (Engine::GameObj* other : object->previousContacts) out += " " + other->name;
        out += "\n";
    }
    return out;
}

// Long and short frames, a still one, so the sweep's reach varies.
float StepTime(int step) {
    if (step % 37 == 5) return 0.25f;
    if (step % 23 == 7) return 0.1f;
    if (step == 50) return 0.0f;
    return 1.0f / 60.0f;
}

TEST_F(BroadphaseTest, CrowdEndsEveryStepAsWithEveryPairTested) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const std::vector<BoxSpec> boxes = Crowd(seed);
        std::vector<std::string> runs[2];
        std::vector<ContactEvent> events[2];
        for (int run = 0; run < 2; ++run) {
            Load(boxes);
            Engine::Physics& physics = *Engine::Physics::instance;
            physics.testEveryMoverPair = run == 0;
            // Movers whose body turned static without being re-filed: a miss writes
            // their colliding flag too.
            for (const char* still : {"M30", "M77", "M120"}) Body(still).MotionType = kStatic;
            RecordedContacts().clear();
            for (int step = 0; step < 240; ++step) {
                CurrentFrame() = step;
                physics.Update(StepTime(step));
                runs[run].push_back(Snapshot(boxes));
            }
            events[run] = RecordedContacts();
        }
        Engine::Physics::instance->testEveryMoverPair = false;
        for (size_t step = 0; step < runs[0].size(); ++step)
            ASSERT_EQ(runs[1][step], runs[0][step]) << "seed " << seed << ", step " << step;
        EXPECT_EQ(events[1], events[0]) << "seed " << seed;
        // The scene has to be busy for the comparison to mean anything.
        EXPECT_GT(events[0].size(), 5000u) << "seed " << seed;
    }
}

// A box that is not finite anywhere sends the step back to testing every pair,
// which still answers as before.
TEST_F(BroadphaseTest, NonFiniteBoxFallsBackToEveryPair) {
    std::vector<BoxSpec> boxes = {{"Floor", 0, -8, 40, 1, kStatic}, {"A", 0, -7, 1, 1}, {"B", 0.5f, -7, 1, 1},
                                  {"Lost", 0, 0, 1, 1}};
    for (BoxSpec& box : boxes) box.scripts = {"ContactRecorder"};
    std::vector<std::string> runs[2];
    for (int run = 0; run < 2; ++run) {
        Load(boxes);
        Engine::Physics::instance->testEveryMoverPair = run == 0;
        Position("Lost").x = std::nanf("");
        for (int step = 0; step < 30; ++step) {
            Engine::Physics::instance->Update(1.0f / 60.0f);
            runs[run].push_back(Snapshot(boxes));
        }
    }
    Engine::Physics::instance->testEveryMoverPair = false;
    EXPECT_EQ(runs[1], runs[0]);
    EXPECT_NE(runs[0].back().find(": B Floor\n"), std::string::npos) << runs[0].back();
}

}  // namespace
}  // namespace physics_test
