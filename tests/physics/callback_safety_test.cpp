// Contact callbacks that change the world under the dispatch: a level load, a
// removed collider, a spawn. Run under AddressSanitizer these show that nothing
// freed is touched.
#include "logic/script_registry.h"
#include "physics_scene.h"

namespace physics_test {
namespace {

class LoadLevelOnContact : public Engine::ScriptBase<LoadLevelOnContact> {
public:
    using ScriptBase::ScriptBase;
    void OnCollisionStay(Engine::GameObj*) override { Engine::GameObjectFactory::instance->LoadLevel("MapData//Next.xml"); }
};
REGISTER_SCRIPT("LoadLevelOnContact", LoadLevelOnContact);

class DropColliderOnContact : public Engine::ScriptBase<DropColliderOnContact> {
public:
    using ScriptBase::ScriptBase;
    void OnCollisionEnter(Engine::GameObj*) override {
        owner->RemoveCollider();
        Engine::GameObjectFactory::instance->SpawnArchetype("Pebble", 30, 30);
    }
};
REGISTER_SCRIPT("DropColliderOnContact", DropColliderOnContact);

using CallbackSafety = PhysicsScene;

TEST_F(CallbackSafety, LevelLoadedFromAContactCallbackEndsTheDispatch) {
    scratch.Write("MapData/Next.xml", LevelXml({{"NextFloor", 0, -3, 10, 1, kStatic}, {"NextBox", 0, 5, 1, 1, kDynamic, 0, -2}}));
    std::vector<BoxSpec> boxes = {{"Floor", 0, 0, 40, 1, kStatic}};
    BoxSpec loader{"Loader", 0, 1, 1, 1};
    loader.scripts = {"ContactRecorder", "LoadLevelOnContact"};
    boxes.push_back(loader);
    for (int i = 0; i < 6; ++i) {
        BoxSpec other{"Other" + std::to_string(i), -20.0f + 6.0f * i, 1, 1, 1};
        other.scripts = {"ContactRecorder"};
        boxes.push_back(other);
    }
    Load(boxes);
    Step(3);  // contact in 1, entered in 2, the stay in 3 loads the level
    EXPECT_EQ(engine->factory().currentLevelPath, "MapData//Next.xml");
    EXPECT_EQ(Position("NextBox"), Engine::vec2(0, 5)) << "the new level starts where its file put it";
    // The loader heard its stay before loading; nothing of the old level was heard after.
    EXPECT_EQ(RecordedContacts().back(), (ContactEvent{"Loader", "stay", "Floor", 3}));
    for (const ContactEvent& e : RecordedContacts()) {
        if (e.object == "Loader") continue;
        EXPECT_LT(e.frame, 3) << e;
    }
    Step(120);
    EXPECT_NEAR(Position("NextBox").y, -2.0f, 1e-5);
}

TEST_F(CallbackSafety, CallbacksMayRemoveCollidersAndSpawn) {
    scratch.Write("Objects/Pebble.xml",
                  "<Archetype name=\"Pebble\"><Rigid_Body><GravityScale g=\"0\"/></Rigid_Body><Collider/></Archetype>");
    engine->factory().LoadArchetype("Pebble.xml");
    std::vector<BoxSpec> boxes = {{"Floor", 0, 0, 40, 1, kStatic}};
    for (int i = 0; i < 4; ++i) {
        BoxSpec dropper{"Dropper" + std::to_string(i), -15.0f + 5.0f * i, 1, 1, 1};
        dropper.scripts = {"DropColliderOnContact", "ContactRecorder"};
        boxes.push_back(dropper);
    }
    Load(boxes);
    Step(60);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Object("Dropper" + std::to_string(i)).GetCollider(), nullptr);
    EXPECT_EQ(std::count_if(Engine::GameObjectFactory::instance->liveObjects.begin(), Engine::GameObjectFactory::instance->liveObjects.end(),
                            [](Engine::GameObj* o) { return o->name == "Pebble"; }),
              4);
    // Without colliders the droppers fall through the floor.
    EXPECT_LT(Position("Dropper0").y, 0.0f);
}

}  // namespace
}  // namespace physics_test
