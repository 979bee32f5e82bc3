#pragma once
// The runner level from the game's own data in a scratch folder, stepped with
// the fixed frame time and a fixed seed, and the moves its tests repeat:
// jumping the run's clock, finding its objects and scripts, readying the birds.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "api/script_api.h"
#include "game/runner/level4.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

struct RunnerFixture : ::testing::Test {
    static constexpr unsigned kSeed = 1234;

    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    RunnerFixture();
    ~RunnerFixture() override;

    // Boots the engine, loads the archetypes and the runner, and steps until the
    // wipe has opened the screen; the birds are made mortal and weightless so
    // that only what a test does to them moves them.
    void Open();
    void Step(int frames = 1) { engine->Step(frames); }
    // Steps until the run's clock has passed `seconds` (at most `maxFrames`).
    void RunUntil(float seconds, int maxFrames = 20000);
    // Moves the run's clock to `seconds` without stepping; the next step runs from there.
    void JumpTo(float seconds);

    Level4* level() const;
    Engine::GameObj* Find(const std::string& name) const { return api::Find(name); }
    std::vector<Engine::GameObj*> All(const std::string& name) const { return api::FindAll(name); }
    Engine::GameObj* bird1() const { return Find("Player"); }
    Engine::GameObj* bird2() const { return Find("Player2"); }
    // Parks both birds far apart and out of every hazard's way.
    void ParkBirds();
    void SetProtected(Engine::GameObj* bird, bool protectedBird);
    bool Dead(Engine::GameObj* bird) const;
    int Score(Engine::GameObj* bird) const;
    void SetScore(Engine::GameObj* bird, int score);
    // Places `bird` on `object` and steps until the contact has been delivered.
    void Touch(Engine::GameObj* bird, Engine::GameObj* object);
};
