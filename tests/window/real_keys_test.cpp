// Real key presses from the X server (xdotool's XTEST events under Xvfb) reach the
// input system's queries through SDL, including a tap shorter than a frame.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "input/input.h"
#include "input/virtual_keys.h"
#include "logic/game_logic.h"
#include "support/scratch_dir.h"
#include "window/window.h"

namespace {

bool CanSendRealKeys() {
    const char* display = std::getenv("DISPLAY");
    return display && *display && std::system("command -v xdotool > /dev/null 2>&1") == 0;
}


class RealKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanSendRealKeys()) GTEST_SKIP() << "needs an X display and xdotool";
        dir.Write("MapData/WindowProperties.xml",
                  "<W><T T=\"keys\"/><W W=\"900\"/><H H=\"500\"/><E E=\"0\"/></W>");
        input = std::make_unique<Engine::Input>();
        window = std::make_unique<Engine::Window>(Engine::WindowProperties::Read());
        ASSERT_TRUE(window->Initialize());
        Frame();
        input->active = true;
    }
    // XTEST keys go to the window holding the keyboard focus; other suites open
    // windows on the same display, so this window takes the focus back first.
    void Xdotool(const std::string& arguments) {
        SDL_RaiseWindow(window->sdlWindow);
        SDL_SetWindowInputFocus(window->sdlWindow);
        SDL_PumpEvents();
        SDL_Delay(10);
        ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
    }
    // One frame as the game runs it: the window pumps, then input takes its snapshot.
    void Frame() {
        window->Update(0.0f);
        input->Update(0.0f);
    }
    // The frame after xdotool sent keys: the X server delivers them on its own
    // time (longer on a busy machine), so wait until SDL holds a key event, for
    // up to two seconds, and then run the frame that takes them all at once.
    void FrameAfterKeys() {
        for (int waited = 0; waited < 2000 && !KeyEventQueued(); waited += 5) SDL_Delay(5);
        SDL_Delay(30);  // the rest of what one xdotool call sent
        Frame();
    }
    static bool KeyEventQueued() {
        SDL_PumpEvents();
        return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYUP) > 0;
    }

    TestSupport::ScratchDir dir;
    std::unique_ptr<Engine::Input> input;
    std::unique_ptr<Engine::Window> window;
};

TEST_F(RealKeysTest, HeldKeysReadDownAndUp) {
    Xdotool("keydown w");
    FrameAfterKeys();
    EXPECT_TRUE(input->IsKeyDown('W'));
    EXPECT_TRUE(input->IsKeyTriggered('W'));
    Frame();
    EXPECT_TRUE(input->IsKeyDown('W'));
    EXPECT_FALSE(input->IsKeyTriggered('W'));
    Xdotool("keyup w");
    FrameAfterKeys();
    EXPECT_FALSE(input->IsKeyDown('W'));
    EXPECT_TRUE(input->IsKeyReleased('W'));
}

TEST_F(RealKeysTest, ATapWithinOneFrameIsSeen) {
    Xdotool("key --delay 0 s");  // down and up before the next pump
    FrameAfterKeys();
    EXPECT_TRUE(input->IsKeyTriggered('S'));
    Frame();
    EXPECT_FALSE(input->IsKeyDown('S'));
}

// Alt+Enter from the X server switches full screen through the window, and the
// game (a menu waiting for Enter) does not see an Enter.
TEST_F(RealKeysTest, AltEnterSwitchesFullScreenAndIsNoEnterForTheGame) {
    Engine::GameLogic logic;
    logic.boot = false;
    logic.fullscreen = false;
    logic.applyFullscreen = [this](bool fullscreen) {
        if (fullscreen)
            window->EnterFullscreen();
        else
            window->LeaveFullscreen();
    };
    Xdotool("keydown alt+Return");
    FrameAfterKeys();
    EXPECT_TRUE(logic.fullscreen);
    EXPECT_TRUE(window->IsFullscreen());
    EXPECT_FALSE(input->IsKeyDown(Engine::VK_RETURN));
    EXPECT_FALSE(input->IsKeyTriggered(Engine::VK_RETURN));
    Xdotool("keyup alt+Return");
    FrameAfterKeys();
    EXPECT_TRUE(window->IsFullscreen());

    Xdotool("key --delay 0 Return");  // Enter alone: a key for the game, no switch
    FrameAfterKeys();
    EXPECT_TRUE(input->IsKeyTriggered(Engine::VK_RETURN));
    EXPECT_TRUE(window->IsFullscreen());

    Xdotool("key --delay 0 alt+Return");
    FrameAfterKeys();
    EXPECT_FALSE(logic.fullscreen);
    EXPECT_FALSE(window->IsFullscreen());
    EXPECT_FALSE(input->IsKeyTriggered(Engine::VK_RETURN));
}

}  // namespace
