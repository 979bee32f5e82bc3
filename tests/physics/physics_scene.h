#pragma once
// A level built from XML in a scratch folder and stepped by the headless engine,
// plus a script that writes down every contact callback with the frame it came in.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "logic/game_logic.h"
#include "logic/scripts.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "physics/collider.h"
#include "physics/physics.h"
#include "physics/physics_world.h"
#include "physics/rigid_body.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace physics_test {

struct ContactEvent {
    std::string object;
    std::string kind;  // "enter", "stay", "exit"
    std::string other;
    int frame;
    bool operator==(const ContactEvent& o) const {
        return object == o.object && kind == o.kind && other == o.other && frame == o.frame;
    }
};

inline std::ostream& operator<<(std::ostream& out, const ContactEvent& e) {
    return out << "{" << e.object << " " << e.kind << " " << e.other << " @" << e.frame << "}";
}

// Filled by the "ContactRecorder" script; the frame is the scene's frame counter.
std::vector<ContactEvent>& RecordedContacts();
int& CurrentFrame();

enum Motion { kStatic = 0, kDynamic = 1, kKinematic = 2 };

// One level-only object: a group named `name` with a single instance.
struct BoxSpec {
    BoxSpec(std::string name_, float x_, float y_, float w_ = 1, float h_ = 1, int motion_ = kDynamic,
            float vx_ = 0, float vy_ = 0, float gravityScale_ = 1, bool ghost_ = false)
        : name(std::move(name_)), x(x_), y(y_), w(w_), h(h_), motion(motion_), vx(vx_), vy(vy_),
          gravityScale(gravityScale_), ghost(ghost_) {}

    std::string name;
    float x, y, w, h;
    int motion;
    float vx, vy;
    float gravityScale;
    bool ghost;
    std::vector<std::string> scripts;
};

std::string BoxXml(const BoxSpec& box);
std::string LevelXml(const std::vector<BoxSpec>& boxes);

class PhysicsScene : public ::testing::Test {
protected:
    PhysicsScene();
    ~PhysicsScene() override;

    // Writes the level as "MapData//<file>" and loads it.
    void Load(const std::vector<BoxSpec>& boxes, const std::string& file = "Test.xml");
    // Runs frames, advancing CurrentFrame() before each.
    void Step(int count = 1);

    Engine::GameObj& Object(const std::string& name);
    Engine::RigidBody& Body(const std::string& name) { return *Object(name).GetRigidBody(); }
    Engine::vec2& Position(const std::string& name) { return Object(name).transform->position; }
    std::vector<ContactEvent> EventsOf(const std::string& object) const;

    TestSupport::ScratchDir scratch;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;
    static constexpr float kDt = TestSupport::HeadlessEngine::kFrame;
};

}  // namespace physics_test
