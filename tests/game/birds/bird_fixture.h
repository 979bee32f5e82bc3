#pragma once
// The practice range in a scratch folder under the headless engine, with both
// birds, and the moves the bird tests repeat: holding and tapping keys and pad
// buttons for either player, and stepping until the birds are free to move.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "input/gamepad_state.h"
#include "input/virtual_keys.h"
#include "objects/game_obj.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

struct BirdFixture : ::testing::Test {
    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    BirdFixture();
    ~BirdFixture() override;

    // Loads the archetypes and the practice range with the given characters.
    void OpenRange(int player1Character = 3, int player2Character = 1);
    // The same for the level under `key` of the level-path table.
    void OpenLevel(const std::string& key, int player1Character = 3, int player2Character = 1);
    // Steps until both birds are past the practice hold and blinking, standing free.
    void WaitUntilFree();
    void Step(int frames = 1) { engine->Step(frames); }

    void Press(Engine::VirtualKey key) { engine->keys().Press(key); }
    void Release(Engine::VirtualKey key) { engine->keys().Release(key); }
    // Holds for one frame and lets go for the next.
    void Tap(Engine::VirtualKey key);
    void PadButton(int pad, uint16_t bit, bool down) { engine->pads().SetButton(pad, bit, down); }
    Engine::GamepadState* Pad(int pad) { return engine->pads().State(pad); }

    Engine::GameObj* Find(const std::string& name) const;
    Engine::GameObj* Bird1() const { return Find("Player"); }
    Engine::GameObj* Bird2() const { return Find("Player2"); }
    MainPlayerBehaviour* Main(const std::string& bird) const;
    IndividualPlayerBehaviour* Character(const std::string& bird) const;
    RoundPlayerBehaviour* Round(const std::string& bird) const;
    // Whether the event started since the last call; stops it so the next start shows.
    bool Played(const std::string& eventPath);
};
