#pragma once
// The game's own menu data in a scratch folder, the headless engine over it,
// and the small moves the menu tests repeat: tapping keys and pad buttons,
// waiting for the wipe, and noticing which sounds started.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/menus/transition.h"
#include "input/gamepad_state.h"
#include "input/virtual_keys.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

struct MenuFixture : ::testing::Test {
    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    MenuFixture();
    ~MenuFixture() override;

    // Builds the engine and runs its boot frame (the loading screen).
    void Start();
    // Loads the archetypes and the level under `key` as the game does, and runs
    // the frame that follows a load from outside the script pass.
    void Open(const std::string& key);
    // Steps until the wipe of the current level has opened the screen.
    void WaitUntilRevealed();
    // Steps until the current level path is `path`; false after `maxFrames`.
    bool StepUntilLevel(const std::string& path, int maxFrames = 400);

    // Holds a key for one frame and lets go for the next.
    void Tap(Engine::VirtualKey key);
    // The same with a pad button (a release is seen in the second frame).
    void TapPad(uint16_t bit, int pad = 0);
    // Whether the event started since the last call; stops it so the next start shows.
    bool Played(const std::string& eventPath);

    Engine::GameObj* Find(const std::string& name) const;
    Transition* Wipe() const;
    std::string Level() { return engine->factory().currentLevelPath; }
};
