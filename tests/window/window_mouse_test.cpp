// The real game window (under Xvfb in the test command): mouse events reach the
// level's buttons and the editor, and the debug overlay gets mouse, keys, text and
// the wheel and keeps the editor away from the mouse while it uses it.

#include <SDL.h>
#include <gtest/gtest.h>
#include <imgui.h>

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

    void Start(bool editor) {
        dir.Write("MapData/WindowProperties.xml", std::string("<W><T t=\"Mouse\"/><X w=\"960\"/><Y h=\"540\"/><E e=\"") +
                                                      (editor ? "1" : "0") + "\"/></W>");
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
        systems->logic->fullscreen = false;  // keep the 960 x 540 window
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

    // A real motion event in window points over world point (x, y) (camera at the origin, zoom 1).
    void MoveTo(float x, float y) {
        int w = 0, h = 0;
        SDL_GetWindowSize(systems->window->sdlWindow, &w, &h);
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = SDL_GetWindowID(systems->window->sdlWindow);
        event.motion.x = static_cast<int>((x / 32.0 + 0.5) * w);
        event.motion.y = static_cast<int>((0.5 - y / 18.0) * h);
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
