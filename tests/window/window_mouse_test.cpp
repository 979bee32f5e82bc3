// The real game window (under Xvfb in the test command): mouse events reach the
// level's buttons and the editor, and the debug overlay gets mouse, keys, text and
// the wheel and keeps the editor away from the mouse while it uses it.

#include <SDL.h>
#include <gtest/gtest.h>
#include <imgui.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/core.h"
#include "core/editor_mode.h"
#include "wiring/engine.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/overlay_mouse.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "logic/picking.h"
#include "support/gl_window_fixture.h"
#include "support/scratch_dir.h"
#include "window/window.h"

namespace {

struct WindowMouseTest : ::testing::Test {
    TestSupport::ScratchDir dir;
    std::unique_ptr<Engine::EngineSystems> systems;
    Engine::ScriptedKeyStateSource* keys = nullptr;

    void Start(bool editor, int width = 960, int height = 540) {
        dir.Write("MapData/WindowProperties.xml", "<W><T t=\"Mouse\"/><X w=\"" + std::to_string(width) + "\"/><Y h=\"" +
                                                      std::to_string(height) + "\"/><E e=\"" + (editor ? "1" : "0") +
                                                      "\"/></W>");
        TestSupport::PrepareRenderFiles(dir);
        dir.Write("MapData//Menu.xml",
                  "<Level><Button Name=\"Quit\"><I><Transform><Position X=\"8\" Y=\"-3\" L=\"10\"/>"
                  "<Scale X=\"4\" Y=\"2\"/></Transform><Function F=\"QuitGame\"/></I></Button>"
                  "<G Name=\"Crate\"><I><Transform><Position X=\"-6\" Y=\"2\" L=\"1\"/></Transform>"
                  "<SpriteRenderer/></I></G></Level>");
        Engine::EngineOptions options;
        options.scriptedInput = true;
        options.silentSound = true;
        testing::internal::CaptureStdout();
        systems = std::make_unique<Engine::EngineSystems>(options);
        auto source = std::make_unique<Engine::ScriptedKeyStateSource>();
        keys = source.get();
        systems->input->SetKeyStateSource(std::move(source));
        systems->input->active = true;
        const bool started = systems->Initialize();
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(started);
        systems->logic->fullscreen = false;  // keep the window at its size
        // The boot frame, with the loading screen the game cannot start without.
        dir.Write("MapData/LoadingScreen.xml", "<Level></Level>");
        Frame();
        testing::internal::CaptureStdout();
        systems->factory->LoadLevel("MapData//Menu.xml");
        testing::internal::GetCapturedStdout();
        Engine::graphics::Camera::main->ResetView();
    }
    void TearDown() override {
        systems.reset();
    }
    void Frame() { systems->core->RunFrame(Engine::Core::kFrameSeconds); }

    // A real motion event in window points over world point (x, y) (camera at the
    // origin, zoom 1), in the 16:9 picture centred in the window (bars around it).
    void MoveTo(float x, float y) {
        int w = 0, h = 0;
        SDL_GetWindowSize(systems->window->sdlWindow, &w, &h);
        const double pictureW = std::min(double(w), h * 16.0 / 9.0), pictureH = std::min(double(h), w * 9.0 / 16.0);
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = SDL_GetWindowID(systems->window->sdlWindow);
        event.motion.x = static_cast<int>((w - pictureW) / 2 + (x / 32.0 + 0.5) * pictureW);
        event.motion.y = static_cast<int>((h - pictureH) / 2 + (0.5 - y / 18.0) * pictureH);
        SDL_PushEvent(&event);
    }
};

TEST_F(WindowMouseTest, AMouseMotionEventReachesAButton) {
    Start(false);
    keys->Press(Engine::VK_LBUTTON);
    MoveTo(0.0f, 0.0f);  // held, but beside the button
    Frame();
    EXPECT_TRUE(systems->core->active);
    MoveTo(9.5f, -3.5f);
    Frame();
    EXPECT_FALSE(systems->core->active);
}

// A window that is not 16:9 shows the picture letterboxed; the pointer still
// meets what it is over, in the game's buttons and in the editor.
TEST_F(WindowMouseTest, InALetterboxedWindowTheButtonIsWhereItIsDrawn) {
    Start(false, 960, 720);  // 4:3: bars of 90 pixels above and below
    ASSERT_EQ(systems->graphics->clientHeight, 720);
    keys->Press(Engine::VK_LBUTTON);
    // Where the button would be in a stretched picture, but not in this one.
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = SDL_GetWindowID(systems->window->sdlWindow);
    event.motion.x = static_cast<int>((9.5 / 32.0 + 0.5) * 960);
    event.motion.y = static_cast<int>((0.5 + 3.5 / 18.0) * 720);
    SDL_PushEvent(&event);
    Frame();
    EXPECT_TRUE(systems->core->active);
    MoveTo(9.5f, -3.5f);
    Frame();
    EXPECT_FALSE(systems->core->active);
}

TEST_F(WindowMouseTest, InAPillarboxedWindowTheEditorPicksWhatIsUnderThePointer) {
    Start(true, 1200, 540);  // wider than 16:9: bars left and right
    Engine::GameObj* crate = Engine::GameObj::FindObject("Crate");
    ASSERT_NE(crate, nullptr);
    MoveTo(-6.0f, 2.0f);
    systems->window->Update(0.0f);
    // The editor's camera starts lowered; this checks the picture, at the origin.
    Engine::graphics::Camera::main->ResetView();
    keys->Press(Engine::VK_LBUTTON);
    systems->picking->Update(0.0f);
    keys->Release(Engine::VK_LBUTTON);
    EXPECT_EQ(systems->picking->picked, crate);
}

TEST_F(WindowMouseTest, TheOverlayGetsKeysTextAndTheWheel) {
    Start(false);
    ASSERT_NE(ImGui::GetCurrentContext(), nullptr);
    ImGuiIO& io = ImGui::GetIO();
    const float wheelBefore = io.MouseWheel;
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = 1;
    SDL_PushEvent(&event);
    event = {};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = SDL_SCANCODE_TAB;
    SDL_PushEvent(&event);
    event = {};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, "q", sizeof(event.text.text));
    SDL_PushEvent(&event);
    event = {};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    SDL_PushEvent(&event);
    systems->window->Update(0.0f);
    EXPECT_GT(io.MouseWheel, wheelBefore);
    EXPECT_TRUE(io.KeysDown[SDL_SCANCODE_TAB]);
    ASSERT_FALSE(io.InputQueueCharacters.empty());
    EXPECT_EQ(io.InputQueueCharacters.back(), 'q');
    // The press shows up as a held button in the overlay's next frame.
    systems->graphics->BeginOverlayFrame();
    EXPECT_TRUE(io.MouseDown[0]);
}

TEST_F(WindowMouseTest, TheEditorLeavesTheMouseToTheOverlayWindowUnderIt) {
    Start(true);
    SDL_Window* window = systems->window->sdlWindow;
    // A real pointer over the window: the overlay reads the pointer's position itself.
    SDL_RaiseWindow(window);
    SDL_WarpMouseInWindow(window, 40, 40);
    for (int i = 0; i < 5; ++i) Frame();
    ImGuiIO& io = ImGui::GetIO();
    if (io.MousePos.x < 0.0f) GTEST_SKIP() << "no pointer on this display";
    // An overlay window over the top-left corner, added to every frame the game logic opens.
    auto drawOverlayWindow = [] {
        ImGui::SetNextWindowPos(ImVec2(0, 0));
        ImGui::SetNextWindowSize(ImVec2(200, 200));
        ImGui::Begin("Inspector");
        ImGui::End();
    };
    Engine::GameObj* crate = Engine::GameObj::FindObject("Crate");
    ASSERT_NE(crate, nullptr);
    // Frames in which the overlay window exists while the pointer is over it.
    for (int i = 0; i < 3; ++i) {
        systems->graphics->BeginOverlayFrame();
        drawOverlayWindow();
        Frame();
    }
    systems->graphics->BeginOverlayFrame();
    drawOverlayWindow();
    ASSERT_TRUE(Engine::graphics::OverlayWantsMouse());
    // A click on the crate while the overlay uses the mouse does not reach the editor.
    auto clickCrate = [&] {
        Engine::graphics::Camera::main->ResetView();
        const Engine::graphics::Graphics& g = *systems->graphics;
        systems->graphics->SetMousePosition((-6.0 / 32.0 + 0.5) * g.clientWidth, (0.5 - 2.0 / 18.0) * g.clientHeight);
        keys->Press(Engine::VK_LBUTTON);
        systems->picking->Update(0.0f);
        keys->Release(Engine::VK_LBUTTON);
    };
    clickCrate();
    EXPECT_EQ(systems->picking->picked, nullptr);
    // Once the overlay window is gone, the same click picks the crate.
    for (int i = 0; i < 2; ++i) {  // the overlay still knows last frame's windows for one frame
        systems->graphics->DrawFrame(0.0f);
        systems->graphics->BeginOverlayFrame();
    }
    ASSERT_FALSE(Engine::graphics::OverlayWantsMouse());
    clickCrate();
    EXPECT_EQ(systems->picking->picked, crate);
}

}  // namespace
