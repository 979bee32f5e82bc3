#pragma once
// The game's data in a scratch folder, the headless engine over it with a fixed
// random seed, and the moves the food-court tests repeat: opening a level (the
// real food court or a small one written by the test), spawning customers and
// scraps, stepping for a number of seconds and finding objects and scripts.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "physics/collider.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

class HumanCustomerBehaviour;

struct FoodCourtFixture : ::testing::Test {
    static constexpr unsigned kSeed = 20;
    static constexpr float kFrame = TestSupport::HeadlessEngine::kFrame;

    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    FoodCourtFixture();
    ~FoodCourtFixture() override;

    // Builds the engine, runs its boot frame and loads the textures and
    // archetypes as the loading screen does (once).
    void Start();
    // Loads the textures and archetypes as the loading screen does, then the
    // level under `key`, and runs the frame that follows a load.
    void Open(const std::string& key);
    // Writes a level of the given objects (XML groups) under MapData/<stem>.xml,
    // registers it under the key `stem` and opens it.
    void OpenLevel(const std::string& stem, const std::string& groups);

    // A floor ("BottomBorder" with its top at y = -6.5), two tables and a
    // stall in the places the food court has them.
    static std::string Furniture();

    void Step(int frames = 1) { engine->Step(frames); }
    void StepSeconds(float seconds);
    // Steps until `done` holds; false after `maxSeconds`.
    template <class Done>
    bool StepUntil(Done done, float maxSeconds = 60.0f) {
        const int frames = static_cast<int>(maxSeconds / kFrame) + 1;
        for (int i = 0; i < frames; ++i) {
            if (done()) return true;
            engine->Step();
        }
        return done();
    }

    Engine::GameObj* Find(const std::string& name) const;
    std::vector<Engine::GameObj*> FindAll(const std::string& name) const;
    std::string Level() { return engine->factory().currentLevelPath; }

    // A customer at (x, its archetype's y) heading for `table`.
    HumanCustomerBehaviour* SpawnCustomer(float x, const std::string& table);
};
