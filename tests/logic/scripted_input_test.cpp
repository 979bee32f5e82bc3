#include "input/input.h"
#include "logic/player_controller.h"
#include "input/player_slots.h"
#include "input/team_member.h"
#include "input/virtual_keys.h"
#include "logic/script_registry.h"
#include "logic_fixture.h"

namespace {

// Walks right while D is held; F loads the level under the key "Next".
class Walker : public Engine::ScriptBase<Walker> {
public:
    explicit Walker(Engine::GameObj* owner = nullptr) : ScriptBase(owner) { name = "Walker"; }
    void Update(float dt) override {
        Engine::Input* input = Engine::Input::instance;
        if (input->IsKeyDown(Engine::VirtualKey('D'))) owner->transform->position.x += 6.0f * dt;
        if (input->IsKeyTriggered(Engine::VirtualKey('F'))) {
            Engine::GameObjectFactory::instance->LoadLevel(Engine::GameObjectFactory::instance->levelPaths["Next"]);
            Engine::GameLogic::instance->paused = false;  // global effects only, after the load
        }
    }
};
REGISTER_SCRIPT("Walker", Walker);

// A player script that plays for a team.
class TeamBird : public Engine::ScriptBase<TeamBird>, public Engine::TeamMember {
public:
    explicit TeamBird(Engine::GameObj* owner = nullptr) : ScriptBase(owner) { name = "TeamBird"; }
};
REGISTER_SCRIPT("TeamBird", TeamBird);

struct ScriptedInputTest : LogicFixture {
    void SetUp() override {
        dir.Write("MapData/LevelPaths.xml",
                  "<P><LoadingScreen P=\"MapData//LoadingScreen.xml\"/><Next P=\"MapData//Next.xml\"/></P>");
        dir.Write("MapData/LoadingScreen.xml", R"(<Level><G Name="Bird"><I><Scripts><Walker/></Scripts></I></G></Level>)");
        dir.Write("MapData/Next.xml", R"(<Level><G Name="Done"><I/></G></Level>)");
        Start();
        engine->Step(2);  // boot, then the frame that clears the boot load's flag
    }
};

TEST_F(ScriptedInputTest, KeysDriveALevelEndToEnd) {
    Engine::GameObj* bird = Engine::GameObj::FindObject("Bird");
    ASSERT_TRUE(bird && bird->active);
    engine->keys().Press(Engine::VirtualKey('D'));
    engine->Step(30);
    EXPECT_NEAR(bird->transform->position.x, 3.0f, 1e-4f);
    engine->keys().Release(Engine::VirtualKey('D'));
    engine->Step(10);
    EXPECT_NEAR(bird->transform->position.x, 3.0f, 1e-4f);
    engine->keys().Press(Engine::VirtualKey('F'));
    engine->Step();
    EXPECT_EQ(engine->factory().currentLevelPath, "MapData//Next.xml");
    // The bird's pooled object now serves the new level.
    EXPECT_EQ(Engine::GameObj::FindObject("Bird"), nullptr);
    EXPECT_EQ(bird->GetScripts(), nullptr);
    EXPECT_TRUE(Engine::GameObj::FindObject("Done")->active);
}

TEST_F(ScriptedInputTest, ControllersHandTheirTeamToTheBird) {
    const struct {
        const char* controller;
        bool team2;
    } cases[] = {{"UPlayer1Controller", false}, {"UPlayer2Controller", true},
                 {"UPlayer3Controller", false}, {"UPlayer4Controller", true}};
    for (const auto& c : cases) {
        dir.Write("MapData/Team.xml", std::string("<L><G Name=\"P\"><I><Scripts><TeamBird/><") + c.controller +
                                          "/></Scripts></I></G></L>");
        engine->factory().LoadLevel("MapData//Team.xml");
        Engine::GameObj* bird = Engine::GameObj::FindObject("P");
        EXPECT_EQ(bird->GetScript<TeamBird>()->team2Flag, c.team2) << c.controller;
        EXPECT_EQ(bird->GetScript<Engine::PlayerController>()->gamepad.userIndex,
                  Engine::PlayerSlot(bird->GetScript<Engine::PlayerController>()->slot)->userIndex);
    }
}

}  // namespace
