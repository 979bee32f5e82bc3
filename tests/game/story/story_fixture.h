#pragma once
// The game's data in a scratch folder and the headless engine over it, for the
// story and result screens: open a level by key or path, step until the wipe
// has opened or another level is loaded, tap keys and pad buttons, and notice
// which sounds started. Every test starts from fresh match values.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/menus/transition.h"
#include "input/gamepad_state.h"
#include "input/virtual_keys.h"
#include "objects/game_obj.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

struct StoryFixture : ::testing::Test {
    static constexpr const char* kMainMenuPath = "MapData//MainMenu_KR.xml";

    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    StoryFixture();
    ~StoryFixture() override;

    // Builds the engine, runs its boot frame and does what the loading screen does
    // (all textures, all archetypes).
    void Start();
    // Loads the level under `key` (or at `path`) from outside the script pass and
    // runs the frame that follows.
    void Open(const std::string& key);
    void OpenPath(const std::string& path);
    // Steps until the wipe of the current level has opened the screen.
    void WaitUntilRevealed();
    // Steps until the current level path is `path`; false after `maxFrames`.
    bool StepUntilLevel(const std::string& path, int maxFrames = 400);
    // Frames of the harness's fixed frame time that make up `seconds`.
    static int Frames(float seconds);

    // Holds a key for one frame and lets go for the next.
    void Tap(Engine::VirtualKey key);
    // The same with a pad button of pad slot `pad` (0 = player 1), plugged first.
    void TapPad(uint16_t bit, int pad = 0);
    // Whether the event is playing; stops it so that the next start shows.
    bool Played(const std::string& eventPath);

    Engine::GameObj* Find(const std::string& name) const;
    // The name of the texture the object's sprite shows ("" without one).
    std::string TextureOf(const std::string& objectName) const;
    Transition* Wipe() const;
    std::string Level() const;
};
