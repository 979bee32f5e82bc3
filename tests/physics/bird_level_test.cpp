// A small level in the data-file format: bird-sized boxes spawned from an
// archetype fall, land on floors, stop at walls, and a script hears about it.
#include "logic/script_registry.h"
#include "physics_scene.h"

namespace physics_test {
namespace {

// Flaps (an upward force) while `flapping` is set, like a player bird would.
class FlapWhileAsked : public Engine::ScriptBase<FlapWhileAsked> {
public:
    using ScriptBase::ScriptBase;
    void Update(float) override {
        if (flapping) owner->GetRigidBody()->force.y += 8.0f;
    }
    static bool flapping;
};
bool FlapWhileAsked::flapping = false;
REGISTER_SCRIPT("FlapWhileAsked", FlapWhileAsked);

const char* kBirdArchetype = R"(<Archetype name="Bird">
  <Transform><Scale x="1" y="1"/></Transform>
  <Rigid_Body><Mass m="1"/><GravityScale g="1"/></Rigid_Body>
  <Collider/>
  <Scripts><ContactRecorder/><FlapWhileAsked/></Scripts>
</Archetype>)";

// Two floors at different heights, a wall on the right of the lower one; three
// birds from the archetype, one of them flying right at the wall.
const char* kLevel = R"(<Level>
  <Ground name="Ground"><I>
    <Transform><Position x="0" y="-6" l="0"/><Scale x="30" y="1"/></Transform>
    <Rigid_Body><isStatic v="0"/></Rigid_Body><Collider/>
  </I></Ground>
  <Ledge name="Ledge"><I>
    <Transform><Position x="-8" y="0" l="0"/><Scale x="6" y="0.5"/></Transform>
    <Rigid_Body><isStatic v="0"/></Rigid_Body><Collider/>
  </I></Ledge>
  <Wall name="Wall"><I>
    <Transform><Position x="8" y="-3" l="0"/><Scale x="1" y="5"/></Transform>
    <Rigid_Body><isStatic v="0"/></Rigid_Body><Collider/>
  </I></Wall>
  <Birds name="Bird">
    <A><Transform><Position x="-8" y="4" l="1"/></Transform></A>
    <B><Transform><Position x="0" y="2" l="1"/></Transform></B>
    <C><Transform><Position x="4" y="-4" l="1"/></Transform><Rigid_Body><Velocity x="6" y="0"/></Rigid_Body></C>
  </Birds>
</Level>)";

class BirdLevel : public PhysicsScene {
protected:
    BirdLevel() {
        FlapWhileAsked::flapping = false;
        scratch.Write("Objects/Bird.xml", kBirdArchetype);
        engine->factory().LoadArchetype("Bird.xml");
        scratch.Write("MapData/Birds.xml", kLevel);
        engine->factory().LoadLevel("MapData//Birds.xml");
        for (Engine::GameObj* o : Engine::GameObjectFactory::instance->liveObjects)
            if (o->name == "Bird") birds.push_back(o);
    }
    std::vector<Engine::GameObj*> birds;
};

TEST_F(BirdLevel, BirdsLandOnFloorsAndStopAtWalls) {
    ASSERT_EQ(birds.size(), 3u);
    Step(180);
    EXPECT_NEAR(birds[0]->transform->position.y, 0.75f, 1e-4) << "on the ledge";
    EXPECT_NEAR(birds[1]->transform->position.y, -5.0f, 1e-4) << "on the ground";
    EXPECT_NEAR(birds[2]->transform->position.y, -5.0f, 1e-4);
    EXPECT_NEAR(birds[2]->transform->position.x, 7.0f, 1e-4) << "against the wall";
    for (Engine::GameObj* bird : birds) EXPECT_EQ(bird->GetRigidBody()->velocity.y, 0.0f);
    EXPECT_EQ(birds[2]->GetRigidBody()->velocity.x, 0.0f);
}

TEST_F(BirdLevel, ScriptHearsEnterStayAndExitOneFrameAfterTheContactChanges) {
    Engine::GameObj* bird = birds[0];
    auto touchingLedge = [&] {
        const Engine::vec4 a = bird->GetCollider()->box, b = Object("Ledge").GetCollider()->box;
        return !(a.x > b.z || b.x > a.z || a.y > b.w || b.y > a.w);
    };
    // Which frames the ledge was touched in, from the boxes each step leaves behind.
    std::vector<int> touched;
    auto run = [&](int frames) {
        for (int i = 0; i < frames; ++i) {
            Step();
            if (touchingLedge()) touched.push_back(CurrentFrame());
        }
    };
    run(120);
    FlapWhileAsked::flapping = true;
    run(30);
    FlapWhileAsked::flapping = false;
    run(5);
    ASSERT_FALSE(touched.empty());
    std::vector<ContactEvent> expected;
    for (size_t i = 0; i < touched.size(); ++i)
        expected.push_back({"Bird", i == 0 ? "enter" : "stay", "Ledge", touched[i] + 1});
    expected.push_back({"Bird", "exit", "Ledge", touched.back() + 2});
    std::vector<ContactEvent> heard;
    for (const ContactEvent& e : RecordedContacts())
        if (e.other == "Ledge") heard.push_back(e);
    EXPECT_EQ(heard, expected);
    EXPECT_GT(bird->transform->position.y, 1.5f) << "flew off";
}

}  // namespace
}  // namespace physics_test
