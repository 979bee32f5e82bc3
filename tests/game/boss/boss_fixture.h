#pragma once
// The boss level as the game ships it, in a scratch copy of the data, under the
// headless engine with a fixed frame time and a fixed seed; with the moves the
// tests repeat: skipping the dialogue, holding birds in place, pressing keys,
// stepping seconds, and handles to the level's scripts.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/maths.h"
#include "input/virtual_keys.h"
#include "objects/game_obj.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

class MainPlayerBehaviour;
class RoundPlayerBehaviour;
class ZurododavadPlayerBehaviour;
class ZurododavadLevelControl;
class ZurododavadBossBehaviour;
class ZurododavadFinalBossMode;
class DialogScene;

struct BossFixture : ::testing::Test {
    static constexpr const char* kLevel = "MapData//Zurododavad.xml";

    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    BossFixture();
    ~BossFixture() override;

    // Builds the engine, loads the archetypes and the boss level; the birds are
    // made ready (no spawn blinking). With `skipDialogue` the opening dialogue is
    // switched off, so the energy phase starts on the next frame.
    void Open(bool skipDialogue = true);
    // Opens the fight phase at once and lets the boss finish its rise.
    void StartFight();
    void MakeReady(Engine::GameObj* bird);
    // Takes the belts, turrets and power bugs out, so only what a test sets up can hurt a bird.
    void Quiet();

    // Puts a bird at `at`, at rest.
    void Place(Engine::GameObj* bird, Engine::vec2 at);
    void Step(int frames = 1);
    void StepSeconds(float seconds);
    static int Frames(float seconds);
    // Presses a key for one frame and lets go for the next.
    void Tap(Engine::VirtualKey key);
    Engine::VirtualKey FlapKey(Engine::GameObj* bird) const;

    Engine::GameObj* P1() const;
    Engine::GameObj* P2() const;
    Engine::GameObj* Boss() const;
    static MainPlayerBehaviour* Bird(Engine::GameObj* bird);
    static RoundPlayerBehaviour* Round(Engine::GameObj* bird);
    static ZurododavadPlayerBehaviour* Upgrades(Engine::GameObj* bird);
    ZurododavadLevelControl* Control() const;
    ZurododavadBossBehaviour* BossLife() const;
    ZurododavadFinalBossMode* BossMode() const;
    DialogScene* Dialogue() const;
};
