// The script API over a small world of our own: object handles, the live
// lookup, the one level-loading policy, never-NaN directions and velocities,
// the sound waits, and menu input over keys and pads.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <algorithm>
#include <iostream>
#include <sstream>

#include "api/script_api.h"
#include "game/menus/transition.h"
#include "input/gamepad_state.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace {

const char* const kArchetype = R"(<Archetype Name="Crate">
    <Transform><Position X="0" Y="0" Layer="1" /><Scale X="1" Y="1" /><Rotation Degrees="0" /></Transform>
    <Rigid_Body><Mass Mass="1" /></Rigid_Body>
</Archetype>)";

const char* const kLevelA = R"(<Level>
    <Object Name="Lamp"><Instance><Transform><Position X="1" Y="2" Layer="1" /></Transform></Instance></Object>
    <Object Name="Lamp"><Instance><Transform><Position X="3" Y="4" Layer="1" /></Transform></Instance></Object>
</Level>)";

const char* const kLevelB = R"(<Level>
    <Object Name="Door"><Instance><Transform><Position X="5" Y="5" Layer="1" /></Transform></Instance></Object>
</Level>)";

struct ScriptApiTest : ::testing::Test {
    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    ScriptApiTest() {
        dir.Write("Objects/Crate.xml", kArchetype);
        dir.Write("MapData/A.xml", kLevelA);
        dir.Write("MapData/B.xml", kLevelB);
        dir.Write("MapData/Broken.xml", "<Level><Object Name=");
        dir.Write("MapData/LevelPaths.xml",
                  "<LevelPaths><A A=\"MapData//A.xml\"/><B B=\"MapData//B.xml\"/>"
                  "<Broken Broken=\"MapData//Broken.xml\"/><Missing Missing=\"MapData//Missing.xml\"/></LevelPaths>");
        engine = std::make_unique<TestSupport::HeadlessEngine>();
        engine->Step();  // the boot frame
        engine->factory().LoadArchetype("Crate.xml");
        engine->factory().LoadLevel("MapData//A.xml");
    }
};

// Captures what the code prints on standard output.
struct PrintedLines {
    std::ostringstream text;
    std::streambuf* old = std::cout.rdbuf(text.rdbuf());
    ~PrintedLines() { std::cout.rdbuf(old); }
    size_t lines() const {
        const std::string s = text.str();
        return static_cast<size_t>(std::count(s.begin(), s.end(), '\n'));
    }
};

}  // namespace

TEST_F(ScriptApiTest, HandlesForgetObjectsThatWereReleasedOrReused) {
    api::ObjectRef crate = api::Spawn("Crate", 1.0f, 1.0f);
    ASSERT_TRUE(crate);
    Engine::GameObj* slot = crate.Get();
    api::Destroy(slot);
    EXPECT_TRUE(crate) << "a destroyed object lives until the end of the physics step";
    engine->Step();
    EXPECT_FALSE(crate) << "released";
    // The same pool slot handed out again is another object.
    api::ObjectRef again = api::Spawn("Crate", 2.0f, 2.0f);
    ASSERT_EQ(again.Get(), slot);
    EXPECT_FALSE(crate) << "the slot now holds something else";
    EXPECT_TRUE(again);

    api::ObjectRef lamp = api::Find("Lamp");
    ASSERT_TRUE(lamp);
    engine->factory().LoadLevel("MapData//B.xml");
    EXPECT_FALSE(lamp) << "a level load releases every object of the old level";
    EXPECT_FALSE(again);
    EXPECT_EQ(api::ObjectRef(nullptr).Get(), nullptr);
}

TEST_F(ScriptApiTest, TheLiveLookupNeverAnswersWithAnObjectOfAnEarlierLevel) {
    EXPECT_EQ(api::Position(api::Find("Lamp")).x, 1.0f);
    EXPECT_EQ(api::Position(api::FindLast("Lamp")).x, 3.0f);
    EXPECT_EQ(api::FindAll("Lamp").size(), 2u);
    engine->factory().LoadLevel("MapData//B.xml");
    EXPECT_FALSE(api::Exists("Lamp"));
    EXPECT_EQ(api::Find("Lamp"), nullptr);
    EXPECT_NE(api::FindObject("Lamp"), nullptr) << "the first-match lookup still sees the released object's name";
    EXPECT_TRUE(api::Exists("Door"));
}

TEST_F(ScriptApiTest, AKeyWithoutAReadableLevelKeepsTheCurrentLevelWithOneLine) {
    for (const char* key : {"Nowhere", "Missing", "Broken"}) {
        PrintedLines printed;
        EXPECT_FALSE(api::LoadLevel(key)) << key;
        EXPECT_EQ(printed.lines(), 1u) << key << ": " << printed.text.str();
        EXPECT_EQ(api::CurrentLevelPath(), "MapData//A.xml") << key;
        EXPECT_TRUE(api::Exists("Lamp")) << key << ": the scene is untouched";
    }
    EXPECT_FALSE(Engine::GameObjectFactory::instance->levelPaths.count("")) << "no empty key is ever added";
    EXPECT_FALSE(Engine::GameObjectFactory::instance->levelPaths.count("Nowhere")) << "an unknown key is not added to the table";
    EXPECT_TRUE(api::LoadLevel("B"));
    EXPECT_EQ(api::CurrentLevelStem(), "B");
}

TEST_F(ScriptApiTest, DirectionsAndVelocitiesAreNeverNaN) {
    Engine::GameObj* a = api::Spawn("Crate", 4.0f, 4.0f);
    Engine::GameObj* b = api::Spawn("Crate", 4.0f, 4.0f);
    const Engine::vec2 same = api::DirectionTo(a, b);
    EXPECT_EQ(same.x, 0.0f);
    EXPECT_EQ(same.y, 0.0f);
    api::SetPosition(b, {7.0f, 8.0f});
    const Engine::vec2 d = api::DirectionTo(a, b);
    EXPECT_NEAR(d.x, 0.6f, 1e-6f);
    EXPECT_NEAR(d.y, 0.8f, 1e-6f);
    EXPECT_FLOAT_EQ(api::Distance(a, b), 5.0f);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    api::SetVelocity(a, {nan, 3.0f});
    EXPECT_EQ(api::Velocity(a).x, 0.0f);
    EXPECT_EQ(api::Velocity(a).y, 3.0f);
    api::AddForce(a, {std::numeric_limits<float>::infinity(), 1.0f});
    engine->Step();
    EXPECT_TRUE(std::isfinite(api::Position(a).x));
    EXPECT_TRUE(std::isfinite(api::Velocity(a).x));
    EXPECT_EQ(api::DirectionTo(nullptr, b).x, 0.0f);
}

TEST_F(ScriptApiTest, ParkingMovesFarAwayAndStopsTheBody) {
    Engine::GameObj* crate = api::SpawnParked("Crate");
    ASSERT_NE(crate, nullptr);
    EXPECT_TRUE(api::IsParked(crate));
    api::SetPosition(crate, {0.0f, 0.0f});
    api::SetVelocity(crate, {5.0f, 5.0f});
    api::Park(crate);
    EXPECT_TRUE(api::IsParked(crate));
    EXPECT_EQ(api::Velocity(crate).x, 0.0f);
}

TEST_F(ScriptApiTest, AWaitOnAMissingSoundNeverFreezes) {
    EXPECT_TRUE(api::IsStopped("event:/No_Such_Event"));
    EXPECT_FALSE(api::IsPlaying("event:/No_Such_Event"));
}

TEST_F(ScriptApiTest, RandomNumbersRepeatForASeedAndStayInRange) {
    api::Seed(42);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i) first.push_back(api::RandomInt(-3, 3));
    api::Seed(42);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(api::RandomInt(-3, 3), first[i]);
    for (int value : first) {
        EXPECT_GE(value, -3);
        EXPECT_LE(value, 3);
    }
    EXPECT_EQ(api::RandomInt(5, 2), 5) << "an empty range answers its start";
}

TEST_F(ScriptApiTest, MenuInputTakesEachPlayersEdgeAndTheStickRepeatWaitsOnlyForHandledMoves) {
    api::MenuInput menu{{1, 2}};
    engine->pads().Plug(0);
    engine->pads().Plug(1);
    // Player 2's A and player 1's d-pad in the same frame both count.
    engine->pads().SetButton(1, Engine::PadBits::kA, true);
    engine->pads().SetButton(0, Engine::PadBits::kDpadDown, true);
    engine->Step();
    menu.Poll(TestSupport::HeadlessEngine::kFrame);
    EXPECT_TRUE(menu.confirm);
    EXPECT_EQ(menu.confirmedBy, 1);
    EXPECT_TRUE(menu.down);
    EXPECT_FALSE(menu.up);
    menu.TakeMove();
    engine->pads().SetButton(1, Engine::PadBits::kA, false);
    engine->pads().SetButton(0, Engine::PadBits::kDpadDown, false);

    auto Stick = [&](int16_t y) {
        Engine::GamepadState* state = engine->pads().State(0);
        state->thumbLY = y;
        ++state->packetNumber;
    };
    // Hold the stick down: a request after 0.1 s of holding, not before.
    const float dt = TestSupport::HeadlessEngine::kFrame;
    Stick(-32768);
    int frames = 0;
    do {
        engine->Step();
        menu.Poll(dt);
        ++frames;
    } while (!menu.down && frames < 20);
    EXPECT_EQ(frames, 6);
    menu.TakeMove();
    // Three frames of holding, then a rest in the dead zone: the rest does not
    // restart the wait, so three more frames of holding raise the request.
    for (int i = 0; i < 3; ++i) {
        engine->Step();
        menu.Poll(dt);
        EXPECT_FALSE(menu.down);
    }
    Stick(0);
    for (int i = 0; i < 5; ++i) {
        engine->Step();
        menu.Poll(dt);
    }
    Stick(-32768);
    frames = 0;
    do {
        engine->Step();
        menu.Poll(dt);
        ++frames;
    } while (!menu.down && frames < 20);
    EXPECT_EQ(frames, 3);
}

TEST_F(ScriptApiTest, AWipeTowardsALevelThatCannotLoadOpensTheScreenAgain) {
    Engine::GameObj* bird = api::Spawn("Crate", 0.0f, 0.0f);
    ASSERT_NE(bird, nullptr);
    bird->AddScript("Transition");
    auto* wipe = bird->GetScript<Transition>();
    ASSERT_NE(wipe, nullptr);
    wipe->Init();
    wipe->revealed = true;
    wipe->leaving = true;
    wipe->Start("Missing");
    for (int i = 0; i < 200 && wipe->leaving; ++i) engine->Step();
    EXPECT_FALSE(wipe->leaving) << "the wipe gave up on the missing level";
    EXPECT_EQ(api::CurrentLevelPath(), "MapData//A.xml");
    EXPECT_TRUE(api::InputActive());
    for (int i = 0; i < 200 && !wipe->revealed; ++i) engine->Step();
    EXPECT_TRUE(wipe->revealed) << "the screen opened again";
}
