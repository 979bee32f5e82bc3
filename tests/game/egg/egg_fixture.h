#pragma once
// The game's data in a scratch folder and the egg level opened over the
// headless engine, with the moves the match tests repeat.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/round/game_mode.h"
#include "objects/game_obj.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

class RoundPlayerBehaviour;
class MainPlayerBehaviour;
class EggBehaviour;

struct EggFixture : ::testing::Test {
    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    // `withSounds`: copy the sound banks (a level without them has no events at all).
    explicit EggFixture(bool withSounds = true);
    ~EggFixture() override;

    // Seeds the random source, loads the archetypes and "Level1" and steps until
    // the wipe has opened the screen.
    void OpenLevel(unsigned seed = 1234);
    // Steps until `done` holds; false after `maxFrames`.
    template <class Done>
    bool StepUntil(Done done, int maxFrames) {
        for (int frame = 0; frame < maxFrames; ++frame) {
            if (done()) return true;
            engine->Step();
        }
        return done();
    }
    // Steps until the round being played has started (its countdown is over).
    void WaitForRoundStart();
    // Steps until the round in play has ended and the next countdown (or the match end) has begun.
    void WaitForRoundEnd();

    Engine::GameObj* Find(const std::string& name) const;
    GameMode* Mode() const;
    EggBehaviour* Egg() const;
    RoundPlayerBehaviour* Round(const std::string& bird) const;
    MainPlayerBehaviour* Bird(const std::string& bird) const;
};
