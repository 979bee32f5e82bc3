#include "window/window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

#include "core/core.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/virtual_keys.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"
#include "sound/audio_engine.h"
#include "sound/sound.h"
#include "support/scratch_dir.h"

namespace {

using Engine::Window;

// Counts what the window sends the game logic.
class SpyLogic : public Engine::GameLogic {
public:
    void SendMessage(Engine::Message* message) override {
        if (message->id == Engine::kFileDraggedMessage)
            dropped.push_back(static_cast<Engine::FileDraggedMessage*>(message)->path);
        if (message->id == Engine::kCharKeyMessage) keys.push_back(static_cast<Engine::CharKeyMessage*>(message)->key);
        GameLogic::SendMessage(message);
    }
    std::vector<std::string> dropped;
    std::vector<int> keys;
};

struct WindowTest : ::testing::Test {
    TestSupport::ScratchDir dir;
    // The Core carries the focus broadcast and the editor-mode setting; the
    // headless graphics system holds the main camera the wheel zooms.
    std::unique_ptr<Engine::Core> core;
    std::unique_ptr<Engine::graphics::Graphics> graphics;
    std::unique_ptr<Engine::GameObjectFactory> factory;
    std::unique_ptr<Engine::Sound> sound;
    std::unique_ptr<Engine::Input> input;
    std::unique_ptr<SpyLogic> logic;
    std::unique_ptr<Window> window;

    void SetUp() override {
        dir.Write("MapData/WindowProperties.xml",
                  "<Window><Title T=\"Tolvex test\"/><Width W=\"900\"/><Height H=\"500\"/><Editor E=\"0\"/></Window>");
        core = std::make_unique<Engine::Core>();
        graphics = std::make_unique<Engine::graphics::Graphics>(nullptr, 900, 500, "");
        factory = std::make_unique<Engine::GameObjectFactory>();
        sound = std::make_unique<Engine::Sound>(Engine::Sound::kSettingsFile, &Engine::AudioOutput::OpenLoopback);
        sound->Initialize();
        input = std::make_unique<Engine::Input>();
        logic = std::make_unique<SpyLogic>();
        window = std::make_unique<Window>(Engine::WindowProperties::Read());
        core->Register(input.get());
        core->Register(sound.get());
        core->Register(logic.get());
        // What the wiring connects: the game logic's full-screen switch.
        logic->applyFullscreen = [this](bool fullscreen) {
            if (fullscreen)
                window->EnterFullscreen();
            else
                window->LeaveFullscreen();
        };
        ASSERT_TRUE(window->Initialize());
        window->Update(0.0f);  // drain what the window system queued at creation
        logic->dropped.clear();
    }
    void TearDown() override {
        window.reset();
        logic.reset();
        input.reset();
        sound.reset();
        factory.reset();
        graphics.reset();
        core.reset();
    }
    static void PushWindowEvent(Uint8 which) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = which;
        event.window.windowID = SDL_GetWindowID(Window::instance->sdlWindow);
        SDL_PushEvent(&event);
    }
    static void PushDrop(const std::string& path) {
        SDL_Event event{};
        event.type = SDL_DROPFILE;
        event.drop.file = static_cast<char*>(SDL_malloc(path.size() + 1));
        std::memcpy(event.drop.file, path.c_str(), path.size() + 1);
        SDL_PushEvent(&event);
    }
    static void PushWheel(int y) {
        SDL_Event event{};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = y;
        event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
        SDL_PushEvent(&event);
    }
};

TEST_F(WindowTest, OpensFromThePropertiesFile) {
    EXPECT_EQ(window->title, "Tolvex test");
    int w = 0, h = 0;
    SDL_GetWindowSize(window->sdlWindow, &w, &h);
    EXPECT_EQ(w, 900);
    EXPECT_EQ(h, 500);
    SDL_GetWindowMinimumSize(window->sdlWindow, &w, &h);
    EXPECT_EQ(w, 852);
    EXPECT_EQ(h, 480);
    EXPECT_STREQ(SDL_GetWindowTitle(window->sdlWindow), "Tolvex test");
}

TEST_F(WindowTest, EveryFileOfADropArrivesInOneFrame) {
    const std::string longPath = "/tmp/" + std::string(3000, 'x') + ".wav";
    PushDrop("/tmp/one.png");
    PushDrop("/tmp/two.ogg");
    PushDrop(longPath);
    window->Update(0.0f);
    EXPECT_EQ(logic->dropped, (std::vector<std::string>{"/tmp/one.png", "/tmp/two.ogg", longPath}));
    EXPECT_EQ(logic->lastDroppedImagePath, "/tmp/one.png");
    EXPECT_EQ(sound->LastDroppedSoundPath(), longPath);
}

// Whether a level pauses is its pause menu's say (tests/game/pause loads every
// played level); here the window's focus events reach the logic's rule.
TEST_F(WindowTest, FocusLossPausesOnlyLevelsThatAskForIt) {
    const struct {
        const char* level;
        bool pauses;
    } cases[] = {{"a match", true}, {"a menu", false}};
    for (const auto& c : cases) {
        logic->pauseOnFocusLoss = c.pauses;
        logic->paused = false;
        input->active = true;
        testing::internal::CaptureStdout();
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
        window->Update(0.0f);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "OUT\n");
        EXPECT_EQ(logic->paused, c.pauses) << c.level;
        EXPECT_FALSE(input->active);
        EXPECT_TRUE(sound->Audio()->muted);
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        window->Update(0.0f);
        EXPECT_TRUE(input->active);
        EXPECT_FALSE(sound->Audio()->muted);
    }
}

TEST_F(WindowTest, RegainingFocusKeepsThePlayersMute) {
    sound->SetUserMuted(true);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    window->Update(0.0f);
    EXPECT_TRUE(sound->Audio()->muted);
}

TEST_F(WindowTest, EditorWheelZoomStaysWithinItsBounds) {
    core->settings.editorMode = true;
    float& worldWidth = Engine::graphics::Camera::main->worldWidth;
    float& worldHeight = Engine::graphics::Camera::main->worldHeight;
    PushWheel(1);  // already at the smallest view
    window->Update(0.0f);
    EXPECT_EQ(worldWidth, 32.0f);
    for (int i = 0; i < 40; ++i) PushWheel(-1);
    window->Update(0.0f);
    EXPECT_EQ(worldWidth, 63.0f);
    EXPECT_EQ(worldHeight, 49.0f);
    PushWheel(1);
    window->Update(0.0f);
    EXPECT_EQ(worldWidth, 62.0f);
    // Outside the editor the wheel leaves the view alone.
    core->settings.editorMode = false;
    PushWheel(-1);
    window->Update(0.0f);
    EXPECT_EQ(worldWidth, 62.0f);
}

TEST_F(WindowTest, KeyDownsReachTheGameLogicAsVirtualKeys) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = SDL_SCANCODE_W;
    SDL_PushEvent(&event);
    event.key.keysym.scancode = SDL_SCANCODE_F1;
    event.key.repeat = 1;  // repeats count as key-downs too
    SDL_PushEvent(&event);
    window->Update(0.0f);
    EXPECT_EQ(logic->keys, (std::vector<int>{'W', Engine::VK_F1}));
}

TEST_F(WindowTest, FullScreenAndBack) {
    window->EnterFullscreen();
    EXPECT_TRUE(window->IsFullscreen());
    window->LeaveFullscreen();
    EXPECT_FALSE(window->IsFullscreen());
    int w = 0, h = 0;
    SDL_GetWindowSize(window->sdlWindow, &w, &h);
    EXPECT_EQ(w, 900);
    EXPECT_EQ(h, 500);
}

TEST_F(WindowTest, F1TogglesFullScreenEvenWhilePaused) {
    auto keys = std::make_unique<Engine::ScriptedKeyStateSource>();
    Engine::ScriptedKeyStateSource& f1 = *keys;
    input->SetKeyStateSource(std::move(keys));
    input->active = true;
    logic->boot = false;
    logic->paused = true;
    logic->fullscreen = false;
    auto frame = [&] {
        input->Update(0.0f);
        logic->Update(0.0f);
    };
    f1.Press(Engine::VK_F1);
    frame();
    EXPECT_TRUE(logic->fullscreen);
    EXPECT_TRUE(window->IsFullscreen());
    frame();  // still held: no second toggle
    EXPECT_TRUE(window->IsFullscreen());
    f1.Release(Engine::VK_F1);
    frame();
    f1.Press(Engine::VK_F1);
    frame();
    EXPECT_FALSE(logic->fullscreen);
    EXPECT_FALSE(window->IsFullscreen());
}

TEST_F(WindowTest, AltEnterTogglesFullScreenOncePerPressAndIsNoKeyForTheGame) {
    logic->boot = false;
    logic->fullscreen = false;
    const struct {
        const char* name;
        SDL_Scancode scancode;
        Uint16 mod;
        Uint8 repeat;
        bool expectFullscreen;
        std::vector<int> expectKeys;
    } steps[] = {
        {"left Alt + Enter", SDL_SCANCODE_RETURN, KMOD_LALT, 0, true, {}},
        {"held: a repeat does not switch back", SDL_SCANCODE_RETURN, KMOD_LALT, 1, true, {}},
        {"Enter alone is a key", SDL_SCANCODE_RETURN, KMOD_NONE, 0, true, {Engine::VK_RETURN}},
        {"right Alt + keypad Enter", SDL_SCANCODE_KP_ENTER, KMOD_RALT, 0, false, {}},
        {"Ctrl + Enter is a key", SDL_SCANCODE_RETURN, KMOD_LCTRL, 0, false, {Engine::VK_RETURN}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        logic->keys.clear();
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.scancode = step.scancode;
        event.key.keysym.mod = step.mod;
        event.key.repeat = step.repeat;
        SDL_PushEvent(&event);
        window->Update(0.0f);
        EXPECT_EQ(logic->fullscreen, step.expectFullscreen);
        EXPECT_EQ(window->IsFullscreen(), step.expectFullscreen);
        EXPECT_EQ(logic->keys, step.expectKeys);
    }
    // Back in a window, at the size it had.
    int w = 0, h = 0;
    SDL_GetWindowSize(window->sdlWindow, &w, &h);
    EXPECT_EQ(w, 900);
    EXPECT_EQ(h, 500);
}

TEST_F(WindowTest, QuitRequestEndsTheLoop) {
    Engine::Core core;
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    window->Update(0.0f);
    EXPECT_FALSE(core.active);
}

TEST(WindowProperties, ReadByPositionWithSafeFallbacks) {
    TestSupport::ScratchDir dir;
    dir.Write("a.xml", "<W><A Z=\"Title\"/><B Y=\" 640px\"/><C X=\"-3\"/><D W=\"2\"/></W>");
    auto p = Engine::WindowProperties::Read("a.xml");
    EXPECT_EQ(p.title, "Title");
    EXPECT_EQ(p.width, 640);
    EXPECT_EQ(p.height, -3);
    EXPECT_TRUE(p.editorMode);
    testing::internal::CaptureStdout();
    p = Engine::WindowProperties::Read("missing.xml");
    EXPECT_NE(testing::internal::GetCapturedStdout().find("missing.xml"), std::string::npos);
    EXPECT_EQ(p.title, "");
    EXPECT_EQ(p.width, 0);
    EXPECT_FALSE(p.editorMode);
    dir.Write("short.xml", "<W><A Z=\"T\"/><B/></W>");
    testing::internal::CaptureStdout();
    p = Engine::WindowProperties::Read("short.xml");
    EXPECT_NE(testing::internal::GetCapturedStdout().find("property 2 is missing"), std::string::npos);
    EXPECT_EQ(p.title, "T");
}

}  // namespace
