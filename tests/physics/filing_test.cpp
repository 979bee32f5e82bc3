// Where colliders are filed: the static tree or the moving list, and how they move
// between them when a body's motion type changes or a static collider moves.
#include "physics_scene.h"

namespace physics_test {
namespace {

using Engine::Collider;
// The published physics system's registration lists.
Engine::PhysicsWorld& World() { return Engine::Physics::instance->world; }

size_t MovingCount(const Collider* c) {
    return std::count(World().movingColliders.begin(), World().movingColliders.end(), c);
}

class FilingTest : public PhysicsScene {
protected:
    // An unregistered collider used only to ask the tree about a place.
    std::vector<Collider*> StaticsAround(float x, float y) {
        Engine::GameObjectFactory& factory = *Engine::GameObjectFactory::instance;
        const bool saved = factory.noRegister;
        factory.noRegister = true;
        Engine::vec2 at(x, y);
        Collider probe(&at, nullptr, nullptr, 1, 1);
        factory.noRegister = saved;
        return World().staticTree->Query(&probe);
    }
    bool Around(float x, float y, const std::string& name) {
        const auto found = StaticsAround(x, y);
        return std::find(found.begin(), found.end(), Object(name).GetCollider()) != found.end();
    }
    // Sixteen statics along the bottom edge make the root split.
    std::vector<BoxSpec> SplitLevel() {
        std::vector<BoxSpec> boxes;
        for (int i = 0; i < 16; ++i) boxes.push_back({"Tile" + std::to_string(i), -70.0f + 9.0f * i, -70, 1, 1, kStatic});
        return boxes;
    }
};

TEST_F(FilingTest, MovedStaticColliderIsRefiledAtTheNextStep) {
    auto boxes = SplitLevel();
    boxes.push_back({"Crate", -40, 40, 1, 1, kStatic});
    Load(boxes);
    Step();
    ASSERT_FALSE(World().staticTree->Root().IsLeaf());
    ASSERT_TRUE(Around(-40, 40, "Crate"));
    Position("Crate") = {40, 40};
    EXPECT_FALSE(Around(40, 40, "Crate")) << "not before the step";
    Step();
    EXPECT_TRUE(Around(40, 40, "Crate"));
    EXPECT_FALSE(Around(-40, 40, "Crate"));
}

TEST_F(FilingTest, ResizedStaticColliderIsRefiledAtTheNextStep) {
    auto boxes = SplitLevel();
    boxes.push_back({"Beam", -10, 10, 1, 1, kStatic});
    Load(boxes);
    Step();
    ASSERT_FALSE(Around(10, 10, "Beam"));
    Object("Beam").GetCollider()->width = 30;  // now reaches x = 5
    Step();
    EXPECT_TRUE(Around(10, 10, "Beam"));
}

// Each collider is filed in exactly one place whatever the sequence of changes;
// a second entry in the moving list would outlive the collider.
TEST_F(FilingTest, MotionTypeChangesKeepEachColliderInOnePlace) {
    Load({{"Shifter", 0, 0, 1, 1, kStatic}});
    Collider* c = Object("Shifter").GetCollider();
    Engine::RigidBody& body = Body("Shifter");
    struct Expect {
        int type;
        bool inTree;
        size_t moving;
    };
    for (const Expect e : {Expect{kDynamic, false, 1}, Expect{kKinematic, false, 1}, Expect{kDynamic, false, 1},
                           Expect{kStatic, true, 0}, Expect{kStatic, true, 0}, Expect{kKinematic, false, 1}}) {
        body.SetMotionType(e.type);
        EXPECT_EQ(body.MotionType, e.type);
        EXPECT_EQ(World().staticTree->Contains(c), e.inTree) << "type " << e.type;
        EXPECT_EQ(MovingCount(c), e.moving) << "type " << e.type;
    }
    Object("Shifter").Destroy();
    Step();
    EXPECT_EQ(MovingCount(c), 0u);
    EXPECT_TRUE(World().colliders.empty());
    EXPECT_TRUE(World().bodies.empty());
}

// A copy of an archetype moves as its archetype says (a static one is filed in the
// tree, never among the movers) unless its level instance says otherwise, and it
// takes every other body setting of the archetype too.
TEST_F(FilingTest, SpawnedCopiesTakeTheirArchetypesBody) {
    struct Case {
        int archetype;
        const char* instance;  // the instance's own isStatic element, or empty
        int expected;
    };
    const Case cases[] = {{kStatic, "", kStatic},       {kDynamic, "", kDynamic},
                          {kKinematic, "", kKinematic}, {kStatic, "<Rigid_Body><isStatic v=\"1\"/></Rigid_Body>", kDynamic},
                          {kDynamic, "<Rigid_Body><isStatic v=\"0\"/></Rigid_Body>", kStatic}};
    for (const Case& c : cases) {
        const std::string label = "archetype " + std::to_string(c.archetype) + " instance '" + c.instance + "'";
        const std::string name = "Crate" + std::to_string(c.archetype);
        scratch.Write("Objects/" + name + ".xml",
                      "<Archetype name=\"" + name + "\"><Rigid_Body><Velocity x=\"1.5\" y=\"-2\"/><Mass m=\"3\"/>"
                      "<isStatic v=\"" + std::to_string(c.archetype) + "\"/><GravityScale g=\"0.25\"/></Rigid_Body>"
                      "<Collider><IsGhost g=\"1\"/><Collider_Size w=\"0.5\" h=\"2\"/></Collider></Archetype>");
        engine->factory().LoadArchetype(name + ".xml");
        scratch.Write("MapData/Crates.xml", "<Level><Crates name=\"" + name + "\"><A>" + c.instance +
                                                "</A></Crates></Level>");
        engine->factory().LoadLevel("MapData//Crates.xml");
        ASSERT_EQ(engine->factory().liveObjects.size(), 1u) << label;
        Engine::GameObj& copy = *engine->factory().liveObjects[0];
        const Engine::RigidBody& body = *copy.GetRigidBody();
        Collider* collider = copy.GetCollider();
        EXPECT_EQ(body.MotionType, c.expected) << label;
        EXPECT_EQ(MovingCount(collider), c.expected == kStatic ? 0u : 1u) << label;
        EXPECT_EQ(World().staticTree->Contains(collider), c.expected == kStatic) << label;
        EXPECT_EQ(body.velocity, Engine::vec2(1.5f, -2.0f)) << label;
        EXPECT_EQ(body.mass, 3.0f) << label;
        EXPECT_EQ(body.gravityScale, 0.25f) << label;
        EXPECT_TRUE(collider->ghost) << label;
        EXPECT_EQ(collider->width, 0.5f) << label;
        EXPECT_EQ(collider->height, 2.0f) << label;
    }
}

// Statics are never paired with each other: copies of a static archetype parked on
// one spot touch nothing, while a mover passing through still meets them (a step's
// contacts are read from the lists it leaves behind).
TEST_F(FilingTest, ParkedStaticCopiesDoNotTouchEachOther) {
    scratch.Write("Objects/Hazard.xml",
                  "<Archetype name=\"Hazard\"><Rigid_Body><isStatic v=\"0\"/><GravityScale g=\"0\"/></Rigid_Body>"
                  "<Collider><IsGhost g=\"1\"/></Collider></Archetype>");
    engine->factory().LoadArchetype("Hazard.xml");
    Load({{"Probe", -3, 50, 1, 1, kDynamic, 0, 0, 0, true}});
    std::vector<Engine::GameObj*> parked;
    for (int i = 0; i < 20; ++i) parked.push_back(engine->factory().SpawnArchetype("Hazard", 0, 50));
    Step(2);
    for (const Engine::GameObj* hazard : parked) EXPECT_TRUE(hazard->previousContacts.empty());
    Position("Probe") = {0, 50};
    Step(2);
    EXPECT_EQ(Object("Probe").previousContacts.size(), parked.size());
    for (const Engine::GameObj* hazard : parked) EXPECT_EQ(hazard->previousContacts.size(), 1u);
}

// Pooled objects are reused by every level load; the next level's "Collider"
// elements must still give them colliders.
TEST_F(FilingTest, ReloadedLevelGetsItsCollidersAgain) {
    Load({{"Floor", 0, 0, 20, 1, kStatic}, {"Box", 0, 3, 1, 1}});
    Load({{"Floor", 0, 0, 20, 1, kStatic}, {"Box", 0, 3, 1, 1}}, "Again.xml");
    ASSERT_NE(Object("Floor").GetCollider(), nullptr);
    ASSERT_NE(Object("Box").GetCollider(), nullptr);
    EXPECT_EQ(World().colliders.size(), 2u);
    Step(90);
    EXPECT_NEAR(Position("Box").y, 1.0f, 1e-5);
}

}  // namespace
}  // namespace physics_test
