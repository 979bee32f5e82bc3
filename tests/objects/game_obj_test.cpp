#include <algorithm>

#include "objects_fixture.h"
#include "physics/collider.h"
#include "physics/rigid_body.h"

namespace {

using Engine::GameObj;

const char* kBoxArchetype = R"(<Archetype Name="Box">
    <Transform><Position X="2" Y="3" L="4"/><Scale X="2" Y="1"/></Transform>
    <SpriteRenderer><Texture T="Null"/></SpriteRenderer>
    <Collider/>
</Archetype>)";

using GameObjTest = ObjectsFixture;

TEST_F(GameObjTest, PoolsAreBuiltAtInitialisation) {
    EXPECT_EQ(factory.objectPool.size(), 2100u);
    EXPECT_EQ(engine.logic().buttonPool.size(), 128u);
    EXPECT_FALSE(factory.noRegister);
    for (size_t i : {size_t(0), size_t(1), size_t(2099)}) EXPECT_EQ(factory.objectPool[i]->id, int(i));
    EXPECT_EQ(engine.logic().buttonPool[5]->name, "Button");
    EXPECT_EQ(engine.logic().buttonPool[5]->transform->layer, 10);
}

TEST_F(GameObjTest, SpawningAtTheOriginKeepsTheArchetypePosition) {
    Archetype("Box.xml", kBoxArchetype);
    GameObj* kept = factory.SpawnArchetype("Box", 0.0f, 0.0f);
    GameObj* moved = factory.SpawnArchetype("Box", 0.0f, 0.001f);
    ASSERT_TRUE(kept && moved);
    EXPECT_EQ(kept->transform->position, Engine::vec2(2, 3));
    EXPECT_EQ(moved->transform->position, Engine::vec2(0, 0.001f));
    EXPECT_EQ(kept->name, "Box");
    EXPECT_EQ(kept->transform->scale, Engine::vec2(2, 1));
    // The copy carries the prototype's components, sorted by kind, plus an animator for its sprite.
    std::vector<int> kinds;
    for (const auto& c : kept->components) kinds.push_back(c->kind);
    EXPECT_EQ(kinds, (std::vector<int>{1, 2, 3, 5}));
    EXPECT_EQ(factory.SpawnArchetype("Missing", 1, 1), nullptr);
}

TEST_F(GameObjTest, DestroyedObjectsStayUntilTheEndOfTheStep) {
    Archetype("Box.xml", kBoxArchetype);
    GameObj* box = factory.SpawnArchetype("Box", 1, 1);
    box->Destroy();
    box->Destroy();  // a second call changes nothing visible
    EXPECT_TRUE(box->active);
    EXPECT_NE(box->GetCollider(), nullptr);
    engine.Step();
    EXPECT_FALSE(box->active);
    EXPECT_TRUE(box->components.empty());
    EXPECT_EQ(std::count(Engine::GameObjectFactory::instance->liveObjects.begin(), Engine::GameObjectFactory::instance->liveObjects.end(), box), 0);
    EXPECT_TRUE(Engine::GameObjectFactory::instance->releaseQueue.empty());
    EXPECT_EQ(box->name, "Box");  // names survive release
    EXPECT_EQ(GameObj::FindObject("Box"), box);
}

TEST_F(GameObjTest, LevelLoadEmptiesTheReleaseQueue) {
    Archetype("Box.xml", kBoxArchetype);
    GameObj* box = factory.SpawnArchetype("Box", 1, 1);
    box->Destroy();
    Level("<Level/>");
    EXPECT_TRUE(Engine::GameObjectFactory::instance->releaseQueue.empty());
    EXPECT_FALSE(box->active);
    // The pool object is handed out again and the step releases nothing.
    GameObj* again = factory.SpawnArchetype("Box", 1, 1);
    EXPECT_EQ(again, box);
    engine.Step();
    EXPECT_TRUE(again->active);
}

TEST_F(GameObjTest, ColliderBringsItsBodyFirst) {
    GameObj& object = *factory.objectPool[7];
    object.AddComponent(Engine::kColliderKind);
    ASSERT_EQ(object.components.size(), 2u);
    EXPECT_EQ(object.components[0]->kind, Engine::kRigidBodyKind);
    EXPECT_EQ(object.components[1]->kind, Engine::kColliderKind);
    EXPECT_TRUE(object.hasCollider);
    object.AddComponent(Engine::kRigidBodyKind);  // already present: ignored
    EXPECT_EQ(object.components.size(), 2u);
    object.RemoveCollider();
    EXPECT_EQ(object.GetCollider(), nullptr);
}

TEST_F(GameObjTest, GetComponentStopsAtAnEmptyEntry) {
    GameObj& object = *factory.objectPool[3];
    object.AddComponent(Engine::kRigidBodyKind);
    object.components.insert(object.components.begin(), nullptr);
    EXPECT_EQ(object.GetRigidBody(), nullptr);
    object.components.erase(object.components.begin());
    EXPECT_NE(object.GetRigidBody(), nullptr);
}

TEST_F(GameObjTest, RigidBodyClampsVelocity) {
    GameObj& object = *factory.objectPool[4];
    object.AddComponent(Engine::kRigidBodyKind);
    object.GetRigidBody()->SetVelocity(12, -30);
    EXPECT_EQ(object.GetRigidBody()->velocity, Engine::vec2(10, -10));
}

}  // namespace
