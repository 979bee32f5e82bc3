#pragma once
// A small range with two birds standing on the ground, for the skills and
// ultimates: the game's own data in a scratch folder, the headless engine over
// it, and the moves the tests repeat (placing birds, pressing their keys,
// stepping seconds, noticing sounds).

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/maths.h"
#include "input/virtual_keys.h"
#include "objects/game_obj.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

class IndividualPlayerBehaviour;
class MainPlayerBehaviour;
class RoundPlayerBehaviour;

struct SkillFixture : ::testing::Test {
    // The ground's top edge in the range; a bird standing on it has its centre
    // half its height above.
    static constexpr float kGroundTop = -7.0f;
    static constexpr const char* kRange = "MapData//SkillRange.xml";
    static constexpr const char* kOtherRange = "MapData//SkillRange2.xml";

    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    SkillFixture();
    ~SkillFixture() override;

    // Builds the engine, loads the archetypes and opens `level` with "Player"
    // playing `character1` and "Player2" `character2`; `extra` is more level
    // XML inside the level element. The birds are then made ready: no spawn
    // hold, no blinking, skill and dung cooled down.
    void Open(int character1, int character2, const std::string& extra = "", const char* level = kRange);
    // Writes a range level file with `extra` objects.
    void WriteLevel(const char* level, const std::string& extra = "");
    // Loads a level from outside the script pass, as the game's first frame
    // does, and makes its birds ready at their places.
    void Load(const char* level);
    // The frame after a load, both birds made ready and placed facing each other.
    void ReadyTheBirds();
    void MakeReady(Engine::GameObj* bird);

    // Puts a bird at `at` (feet on the ground when `at.y` is NaN), facing right
    // or left, at rest.
    void Place(Engine::GameObj* bird, Engine::vec2 at, bool facingRight);
    float StandingY(Engine::GameObj* bird) const;

    void Step(int frames = 1);
    void StepSeconds(float seconds);
    // Holds a key for one frame and lets go for the next.
    void Tap(Engine::VirtualKey key);
    // Whether the event started since the last call; stops it so the next start shows.
    bool Played(const std::string& eventPath);

    Engine::GameObj* P1() const;
    Engine::GameObj* P2() const;
    static MainPlayerBehaviour* Bird(Engine::GameObj* bird);
    static IndividualPlayerBehaviour* Character(Engine::GameObj* bird);
    static RoundPlayerBehaviour* Round(Engine::GameObj* bird);
};

// The range's level XML: the ground "DownBound" and the two birds.
std::string RangeLevel(const std::string& extra);
