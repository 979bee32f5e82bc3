// The boss fight drawn for real: the boss's health bar shows what is left of its
// health, the attack it announces colours its shadow, and the birds are drawn
// near it. With TOLVEX_BOSS_SHOT set to a file path the frame is drawn at the
// game's 1280 x 720 and also written there as a binary PPM (the README's
// screenshot); otherwise at 640 x 360, which draws much faster.

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include "api/script_api.h"
#include "game/boss/fight_state.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/boss/laser_hazard_behaviour.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"
#include "game/boss/zurododavad_player_behaviour.h"
#include "game/game_values.h"
#include "game/story/dialog_scene.h"
#include "graphics/graphics.h"
#include "objects/game_object_factory.h"
#include "support/drawn_game.h"
#include "support/bird_test_access.h"

namespace {

using TestSupport::Rgba;

bool IsHealthGreen(const Rgba& c) { return c.g > 170 && c.r < 140 && c.b < 140; }
bool IsShadowColour(int attack, const Rgba& c) {
    switch (attack) {
        case 0: return c.b > 150 && c.r < 90 && c.g < 90;    // blue: the barrier
        case 1: return c.g > 150 && c.r < 110 && c.b < 110;  // green: the laser
        default: return c.r > 150 && c.g > 150 && c.b < 90;  // yellow: the grab
    }
}

class BossImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        shotPath = std::getenv("TOLVEX_BOSS_SHOT");
        kWidth = shotPath ? 1280 : 640;
        kHeight = shotPath ? 720 : 360;
        Game::player1Character = 3;
        Game::player2Character = 1;
        api::Seed(77);
        game = std::make_unique<TestSupport::DrawnGame>(kWidth, kHeight);
        if (!game->ok()) GTEST_SKIP() << "no GL window: " << game->error();
        window = &game->window();
        engine = &game->engine();
        engine->factory().LoadLevel("MapData//Zurododavad.xml");
        // No opening dialogue: the energy phase starts as soon as the level does.
        if (DialogScene* dialogue = api::FindScript<DialogScene>("ZurododavadControl")) dialogue->active = false;
        engine->Step(90);  // the wipe opens the screen
    }
    void TearDown() override {
        game.reset();
    }
    int Count(float x0, float x1, float y0, float y1, const std::function<bool(const Rgba&)>& test) const {
        return window->CountWorld(x0, x1, y0, y1, test);
    }

    const char* shotPath = nullptr;
    int kWidth = 640;
    int kHeight = 360;
    std::unique_ptr<TestSupport::DrawnGame> game;
    TestSupport::GlWindow* window = nullptr;
    TestSupport::HeadlessEngine* engine = nullptr;
};

TEST_F(BossImageTest, TheFightShowsTheBossHealthItsNextAttackAndTheBirds) {
    Engine::GameObj* p1 = api::Find("Player");
    Engine::GameObj* p2 = api::Find("Player2");
    ASSERT_NE(p1, nullptr);
    ASSERT_NE(p2, nullptr);
    // Orbs bought three tiers for player 1 and four for player 2; five in the boss open the fight.
    api::ScriptOf<ZurododavadPlayerBehaviour>(p1)->tier = 3;
    api::ScriptOf<ZurododavadPlayerBehaviour>(p2)->tier = 4;
    boss::Fight()->orbCount = 5;
    Engine::GameObj* boss = api::Find("Level4Boss");
    for (int frame = 0; frame < 60 * 8 && api::Position(boss).y < 0.0f; ++frame) {
        api::SetPosition(p1, {-11.0f, 3.0f});
        api::SetPosition(p2, {11.0f, 3.0f});
        engine->Step();
    }
    ZurododavadBossBehaviour* life = api::ScriptOf<ZurododavadBossBehaviour>(boss);
    ZurododavadFinalBossMode* mode = api::ScriptOf<ZurododavadFinalBossMode>(boss);
    ASSERT_NE(life, nullptr);
    ASSERT_NE(mode, nullptr);
    life->bossHealth = 3600;
    Edit(api::ScriptOf<RoundPlayerBehaviour>(p1)).hitCount = 412;
    Edit(api::ScriptOf<RoundPlayerBehaviour>(p2)).hitCount = 385;
    // Four seconds into a telegraph; the belts halfway in from the sides.
    mode->attackState = ZurododavadFinalBossMode::kTelegraph;
    mode->attackTimer = 0.0f;
    mode->nextAttack = -1;
    for (Engine::GameObj* bird : {p1, p2})
        if (MainPlayerBehaviour* main = api::ScriptOf<MainPlayerBehaviour>(bird)) Edit(main).invulnerable = false;
    for (int frame = 0; frame < 60 * 4; ++frame) {
        api::SetPosition(p1, {-5.2f, 1.4f});
        api::SetPosition(p2, {5.4f, -1.2f});
        api::SetVelocity(p1, {0.0f, 0.0f});
        api::SetVelocity(p2, {0.0f, 0.0f});
        if (Engine::GameObj* belt = api::Find("LaserBeltLeft")) api::SetPosition(belt, {-11.5f, 0.5f});
        if (Engine::GameObj* belt = api::Find("LaserBeltRight")) api::SetPosition(belt, {12.5f, 0.5f});
        // The turrets scan past the birds without locking on.
        if (LaserHazardBehaviour* turret = api::FindScript<LaserHazardBehaviour>("ZurododavadLeftLaser")) {
            turret->locked = false;
            turret->angle = 8.0f;
        }
        if (LaserHazardBehaviour* turret = api::FindScript<LaserHazardBehaviour>("ZurododavadRightLaser")) {
            turret->locked = false;
            turret->angle = 200.0f;
        }
        if (MainPlayerBehaviour* main = api::ScriptOf<MainPlayerBehaviour>(p1)) Edit(main).facingRight = true;
        if (MainPlayerBehaviour* main = api::ScriptOf<MainPlayerBehaviour>(p2)) Edit(main).facingRight = false;
        engine->Step();
    }
    const int attack = mode->nextAttack;
    ASSERT_GE(attack, 0);

    // The health bar: green over the first 60 % of its length, empty beyond.
    EXPECT_GE(Count(-5.0f, 0.5f, 7.0f, 7.0f, IsHealthGreen), 18);
    EXPECT_EQ(Count(2.5f, 5.0f, 7.0f, 7.0f, IsHealthGreen), 0);
    // The shadow announcing the attack shows around the boss in the attack's colour.
    const Engine::vec2 at = api::Position(boss);
    const int shadow = Count(at.x - 6.0f, at.x - 3.5f, at.y - 2.0f, at.y + 2.0f,
                             [attack](const Rgba& c) { return IsShadowColour(attack, c); }) +
                       Count(at.x + 3.5f, at.x + 6.0f, at.y - 2.0f, at.y + 2.0f,
                             [attack](const Rgba& c) { return IsShadowColour(attack, c); });
    EXPECT_GE(shadow, 10) << "attack " << attack;

    if (shotPath) window->SavePpm(shotPath);
}

}  // namespace
