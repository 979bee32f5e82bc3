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

TEST_F(FilingTest, SpawnedCopiesAreDynamicUnlessTheirInstanceSaysOtherwise) {
    scratch.Write("Objects/Crate.xml",
                  "<Archetype name=\"Crate\"><Rigid_Body><isStatic v=\"0\"/></Rigid_Body><Collider/></Archetype>");
    engine->factory().LoadArchetype("Crate.xml");
    scratch.Write("MapData/Crates.xml",
                  "<Level><Crates name=\"Crate\">"
                  "<A><Transform><Position x=\"1\" y=\"0\" l=\"0\"/></Transform></A>"
                  "<B><Transform><Position x=\"3\" y=\"0\" l=\"0\"/></Transform><Rigid_Body><isStatic v=\"0\"/></Rigid_Body></B>"
                  "</Crates></Level>");
    engine->factory().LoadLevel("MapData//Crates.xml");
    ASSERT_EQ(Engine::GameObjectFactory::instance->liveObjects.size(), 2u);
    Collider* a = Engine::GameObjectFactory::instance->liveObjects[0]->GetCollider();
    Collider* b = Engine::GameObjectFactory::instance->liveObjects[1]->GetCollider();
    EXPECT_EQ(MovingCount(a), 1u);
    EXPECT_FALSE(World().staticTree->Contains(a));
    EXPECT_EQ(MovingCount(b), 0u);
    EXPECT_TRUE(World().staticTree->Contains(b));
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
