// Two players at one keyboard or with two pads: their presses in the same frame,
// and a pad pulled out mid-game.
#include <sstream>

#include "api/script_api.h"
#include "bird_fixture.h"

namespace {
struct CoutCapture {
    std::stringstream text;
    std::streambuf* old;
    CoutCapture() : old(std::cout.rdbuf(text.rdbuf())) {}
    ~CoutCapture() { std::cout.rdbuf(old); }
};
}  // namespace

TEST_F(BirdFixture, BothPlayersFlappingInTheSameFrameEachGetTheirEdgeOnTheKeyboard) {
    OpenRange(1, 1);
    WaitUntilFree();
    const float s1 = Main("Player")->State().stamina, s2 = Main("Player2")->State().stamina;
    Press('W');
    Press(Engine::VK_UP);
    Step();
    Release('W');
    Release(Engine::VK_UP);
    EXPECT_FLOAT_EQ(Main("Player")->State().stamina, s1 - 4.0f);
    EXPECT_FLOAT_EQ(Main("Player2")->State().stamina, s2 - 4.0f);
    Step();
    // And both drop dung and peck in one frame.
    Press('G');
    Press(Engine::VK_OEM_PERIOD);
    Press('F');
    Press(Engine::VK_OEM_2);
    Step();
    EXPECT_FALSE(Main("Player")->State().dungReady);
    EXPECT_FALSE(Main("Player2")->State().dungReady);
    EXPECT_TRUE(Main("Player")->State().pecking);
    EXPECT_TRUE(Main("Player2")->State().pecking);
}

TEST_F(BirdFixture, BothPlayersFlappingInTheSameFrameEachGetTheirEdgeOnTheirPads) {
    OpenRange(1, 1);
    engine->pads().Plug(0);
    engine->pads().Plug(1);
    WaitUntilFree();
    const float s1 = Main("Player")->State().stamina, s2 = Main("Player2")->State().stamina;
    PadButton(0, Engine::PadBits::kA, true);
    PadButton(1, Engine::PadBits::kA, true);
    Step();
    EXPECT_FLOAT_EQ(Main("Player")->State().stamina, s1 - 4.0f);
    EXPECT_FLOAT_EQ(Main("Player2")->State().stamina, s2 - 4.0f);
    Step();  // still held: no second flap
    EXPECT_FLOAT_EQ(Main("Player")->State().stamina, s1 - 4.0f);
    PadButton(0, Engine::PadBits::kA, false);
    PadButton(1, Engine::PadBits::kA, false);
    // Triggers drop dung on both pads at once.
    Pad(0)->leftTrigger = 255;
    Pad(1)->leftTrigger = 1;  // the lightest touch counts
    Step();
    EXPECT_FALSE(Main("Player")->State().dungReady);
    EXPECT_FALSE(Main("Player2")->State().dungReady);
}

TEST_F(BirdFixture, AnUnpluggedPadPrintsOneLineAndTheKeyboardStillPlays) {
    OpenRange(3, 3);
    engine->pads().Plug(0);
    WaitUntilFree();
    Pad(0)->thumbLX = 32000;  // stick right: walk right
    Step(3);
    EXPECT_GT(api::Velocity(Bird1()).x, 0.0f);
    std::string printed;
    {
        CoutCapture capture;
        engine->pads().Unplug(0);
        Step(30);
        printed = capture.text.str();
    }
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_NE(printed.find("Player"), std::string::npos);
    // Walking only sets the speed while pressed; the ground then slows the bird.
    EXPECT_LT(api::Velocity(Bird1()).x, 5.0f) << "the stick held at the unplug does not stick";
    Press('A');
    Step(3);
    EXPECT_NEAR(api::Velocity(Bird1()).x, -6.0f, 0.2f);
    Release('A');
    Tap('W');
    EXPECT_LT(Main("Player")->State().stamina, Main("Player")->State().maxStamina);
}
