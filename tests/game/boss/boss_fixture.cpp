#include "boss_fixture.h"

#include <cmath>

#include "api/camera_view.h"
#include "api/script_api.h"
#include "game/boss/fight_state.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/boss/laser_hazard_behaviour.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"
#include "game/boss/zurododavad_level_control.h"
#include "game/boss/zurododavad_player_behaviour.h"
#include "game/boss/zurododavad_power_up_spawner.h"
#include "game/game_values.h"
#include "game/menus/loading_logic.h"
#include "game/story/dialog_scene.h"
#include "graphics/graphics.h"
#include "objects/game_object_factory.h"
#include "support/bird_test_access.h"

BossFixture::BossFixture() {
    dir.CopyGameData();
}

BossFixture::~BossFixture() { engine.reset(); }

void BossFixture::Open(bool skipDialogue) {
    Game::player1Character = 1;
    Game::player2Character = 2;
    engine = std::make_unique<TestSupport::HeadlessEngine>();
    engine->Boot();
    api::ResetCamera();
    engine->OpenLevelFile(kLevel, 4321);
    if (skipDialogue)
        if (DialogScene* dialogue = Dialogue()) dialogue->active = false;
    // The load's own frame runs no scripts; the next one is the level's first.
    engine->Step(2);
    for (Engine::GameObj* bird : {P1(), P2()}) MakeReady(bird);
}

void BossFixture::StartFight() {
    boss::Fight()->orbCount = 5;
    Step(2);
    ASSERT_TRUE(boss::FightNow().vulnerable);
    // The boss rises one unit a second from y = -6.
    for (int frame = 0; frame < Frames(7.0f) && api::Position(Boss()).y < 0.0f; ++frame) {
        Place(P1(), {-12.0f, 0.0f});
        Place(P2(), {12.0f, 0.0f});
        Step();
    }
    ASSERT_GE(api::Position(Boss()).y, 0.0f);
    for (Engine::GameObj* bird : {P1(), P2()}) MakeReady(bird);
}

void BossFixture::Quiet() {
    for (const char* name : {"ZurododavadLeftLaser", "ZurododavadRightLaser", "LaserBeltLeft", "LaserBeltRight"}) {
        if (LaserHazardBehaviour* turret = api::FindScript<LaserHazardBehaviour>(name)) api::Destroy(turret->beam.Get());
        api::Destroy(api::Find(name));
    }
    if (ZurododavadPowerUpSpawner* bugs = api::FindScript<ZurododavadPowerUpSpawner>("ZurododavadPowerUps"))
        bugs->enabled = false;
    Step();
}

void BossFixture::MakeReady(Engine::GameObj* bird) {
    MainPlayerBehaviour* main = Bird(bird);
    ASSERT_NE(main, nullptr);
    Edit(main).invulnerable = false;
    Edit(main).invulnerableVisible = false;
    Edit(main).holdInvulnerable = false;
    Edit(main).controlsLocked = false;
    Edit(main).skillTimer = 100.0f;
    if (RoundPlayerBehaviour* round = Round(bird)) Edit(round).walkingIn = false;
}

void BossFixture::Place(Engine::GameObj* bird, Engine::vec2 at) {
    ASSERT_NE(bird, nullptr);
    api::SetPosition(bird, at);
    api::SetVelocity(bird, {0.0f, 0.0f});
}

void BossFixture::Step(int frames) { engine->Step(frames); }

int BossFixture::Frames(float seconds) {
    return static_cast<int>(std::lround(seconds / TestSupport::HeadlessEngine::kFrame));
}

void BossFixture::StepSeconds(float seconds) { Step(Frames(seconds)); }

void BossFixture::Tap(Engine::VirtualKey key) {
    engine->keys().Press(key);
    engine->Step();
    engine->keys().Release(key);
    engine->Step();
}

Engine::VirtualKey BossFixture::FlapKey(Engine::GameObj* bird) const {
    const MainPlayerBehaviour* main = Bird(bird);
    if (!main) return Engine::VirtualKey{};
    const auto found = main->State().keyMap.find("Flap");
    return found != main->State().keyMap.end() ? found->second : Engine::VirtualKey{};
}

Engine::GameObj* BossFixture::P1() const { return api::Find("Player"); }
Engine::GameObj* BossFixture::P2() const { return api::Find("Player2"); }
Engine::GameObj* BossFixture::Boss() const { return api::Find("Level4Boss"); }
MainPlayerBehaviour* BossFixture::Bird(Engine::GameObj* bird) { return api::ScriptOf<MainPlayerBehaviour>(bird); }
RoundPlayerBehaviour* BossFixture::Round(Engine::GameObj* bird) { return api::ScriptOf<RoundPlayerBehaviour>(bird); }
ZurododavadPlayerBehaviour* BossFixture::Upgrades(Engine::GameObj* bird) {
    return api::ScriptOf<ZurododavadPlayerBehaviour>(bird);
}
ZurododavadLevelControl* BossFixture::Control() const {
    return api::FindScript<ZurododavadLevelControl>("ZurododavadControl");
}
ZurododavadBossBehaviour* BossFixture::BossLife() const { return api::ScriptOf<ZurododavadBossBehaviour>(Boss()); }
ZurododavadFinalBossMode* BossFixture::BossMode() const { return api::ScriptOf<ZurododavadFinalBossMode>(Boss()); }
DialogScene* BossFixture::Dialogue() const { return api::FindScript<DialogScene>("ZurododavadControl"); }
