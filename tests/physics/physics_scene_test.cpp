// The scene helper and the recording script shared by this folder's tests.
#include "physics_scene.h"

#include "logic/script_registry.h"

#include <map>

namespace physics_test {

std::vector<ContactEvent>& RecordedContacts() {
    static std::vector<ContactEvent> events;
    return events;
}

int& CurrentFrame() {
    static int frame = 0;
    return frame;
}

namespace {

class ContactRecorder : public Engine::ScriptBase<ContactRecorder> {
public:
    using ScriptBase::ScriptBase;
    void OnCollisionEnter(Engine::GameObj* other) override { Note("enter", other); }
    void OnCollisionStay(Engine::GameObj* other) override { Note("stay", other); }
    void OnCollisionExit(Engine::GameObj* other) override { Note("exit", other); }

private:
    void Note(const char* kind, Engine::GameObj* other) {
        RecordedContacts().push_back({owner->name, kind, other->name, CurrentFrame()});
    }
};
REGISTER_SCRIPT("ContactRecorder", ContactRecorder);

}  // namespace

std::string BoxXml(const BoxSpec& b) {
    std::ostringstream xml;
    xml << "<Object name=\"" << b.name << "\"><Instance>"
        << "<Transform><Position x=\"" << b.x << "\" y=\"" << b.y << "\" layer=\"0\"/>"
        << "<Scale x=\"" << b.w << "\" y=\"" << b.h << "\"/></Transform>"
        << "<Rigid_Body><isStatic v=\"" << b.motion << "\"/><Velocity x=\"" << b.vx << "\" y=\"" << b.vy
        << "\"/><GravityScale g=\"" << b.gravityScale << "\"/></Rigid_Body>"
        << "<Collider><IsGhost v=\"" << (b.ghost ? 1 : 0) << "\"/></Collider>";
    if (!b.scripts.empty()) {
        xml << "<Scripts>";
        for (const std::string& script : b.scripts) xml << "<" << script << "/>";
        xml << "</Scripts>";
    }
    xml << "</Instance></Object>\n";
    return xml.str();
}

std::string LevelXml(const std::vector<BoxSpec>& boxes) {
    std::string xml = "<Level>\n";
    for (const BoxSpec& box : boxes) xml += BoxXml(box);
    return xml + "</Level>\n";
}

PhysicsScene::PhysicsScene() {
    engine = std::make_unique<TestSupport::HeadlessEngine>();
    engine->logic().boot = false;
    RecordedContacts().clear();
    CurrentFrame() = 0;
}

PhysicsScene::~PhysicsScene() { engine.reset(); }

void PhysicsScene::Load(const std::vector<BoxSpec>& boxes, const std::string& file) {
    scratch.Write("MapData/" + file, LevelXml(boxes));
    engine->factory().LoadLevel("MapData//" + file);
}

void PhysicsScene::Step(int count) {
    for (int i = 0; i < count; ++i) {
        ++CurrentFrame();
        engine->Step();
    }
}

Engine::GameObj& PhysicsScene::Object(const std::string& name) {
    Engine::GameObj* object = Engine::GameObj::FindObject(name);
    if (!object) throw std::runtime_error("no object " + name);
    return *object;
}

std::vector<ContactEvent> PhysicsScene::EventsOf(const std::string& object) const {
    std::vector<ContactEvent> out;
    for (const ContactEvent& e : RecordedContacts())
        if (e.object == object) out.push_back(e);
    return out;
}

// The helper's own check: a level object keeps what its XML gave it.
TEST_F(PhysicsScene, LevelObjectsCarryTheirBodySettings) {
    Load({{"Floor", 0, -5, 20, 1, kStatic}, {"Mover", 2, 3, 1, 2, kKinematic, 4, -3, 0.5f, true}});
    Engine::Collider* floor = Object("Floor").GetCollider();
    Engine::Collider* mover = Object("Mover").GetCollider();
    ASSERT_NE(floor, nullptr);
    ASSERT_NE(mover, nullptr);
    EXPECT_TRUE(Engine::Physics::instance->world.staticTree->Contains(floor));
    EXPECT_EQ(std::count(Engine::Physics::instance->world.movingColliders.begin(), Engine::Physics::instance->world.movingColliders.end(), floor), 0);
    EXPECT_EQ(std::count(Engine::Physics::instance->world.movingColliders.begin(), Engine::Physics::instance->world.movingColliders.end(), mover), 1);
    EXPECT_FALSE(Engine::Physics::instance->world.staticTree->Contains(mover));
    EXPECT_EQ(Body("Mover").MotionType, kKinematic);
    EXPECT_FLOAT_EQ(Body("Mover").gravityScale, 0.5f);
    EXPECT_TRUE(mover->ghost);
    EXPECT_FLOAT_EQ(mover->width, 1.0f);
    EXPECT_FLOAT_EQ(mover->height, 2.0f);
}

}  // namespace physics_test
