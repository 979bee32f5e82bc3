#include "runner_fixture.h"

#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/menus/loading_logic.h"
#include "game/menus/transition.h"
#include "graphics/graphics.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "physics/rigid_body.h"
#include "support/bird_test_access.h"

RunnerFixture::RunnerFixture() {
    dir.CopyGameData();
}

RunnerFixture::~RunnerFixture() { engine.reset(); }

void RunnerFixture::Open() {
    engine = std::make_unique<TestSupport::HeadlessEngine>();
    ASSERT_TRUE(engine->OpenLevel("Level4", kSeed));
    ASSERT_EQ(engine->factory().currentLevelPath, "MapData//Level4.xml");
    ASSERT_NE(level(), nullptr);
    for (int frame = 0; frame < 200; ++frame) {
        const Transition* wipe = api::FindScript<Transition>("TransitionBird");
        if (!wipe || wipe->revealed) break;
        engine->Step();
    }
    // The birds walk in from the left edge; the tests start once they are in.
    auto walkingIn = [this] {
        for (Engine::GameObj* bird : {bird1(), bird2()}) {
            const auto* round = api::ScriptOf<RoundPlayerBehaviour>(bird);
            if (!round || round->State().walkingIn || Dead(bird)) return true;
        }
        return false;
    };
    for (int frame = 0; frame < 600 && walkingIn(); ++frame) engine->Step();
    ASSERT_FALSE(walkingIn()) << "the birds never finished walking in";
    for (Engine::GameObj* bird : {bird1(), bird2()}) {
        api::SetGravityScale(bird, 0.0f);
        SetProtected(bird, false);
    }
    ParkBirds();
}

void RunnerFixture::RunUntil(float seconds, int maxFrames) {
    for (int frame = 0; frame < maxFrames && level()->clock <= seconds; ++frame) engine->Step();
}

void RunnerFixture::JumpTo(float seconds) { level()->clock = seconds; }

Level4* RunnerFixture::level() const { return api::FindScript<Level4>("RunnerLogic"); }

void RunnerFixture::ParkBirds() {
    api::SetPosition(bird1(), {-60.0f, 40.0f});
    api::SetPosition(bird2(), {-80.0f, 40.0f});
    for (Engine::GameObj* bird : {bird1(), bird2()}) api::SetVelocity(bird, {0.0f, 0.0f});
}

void RunnerFixture::SetProtected(Engine::GameObj* bird, bool protectedBird) {
    if (auto* main = api::ScriptOf<MainPlayerBehaviour>(bird)) {
        Edit(main).invulnerable = protectedBird;
        Edit(main).dead = false;
    }
    if (auto* round = api::ScriptOf<RoundPlayerBehaviour>(bird)) Edit(round).immune = false;
}

bool RunnerFixture::Dead(Engine::GameObj* bird) const {
    const auto* main = api::ScriptOf<MainPlayerBehaviour>(bird);
    return main && main->State().dead;
}

int RunnerFixture::Score(Engine::GameObj* bird) const {
    const auto* round = api::ScriptOf<RoundPlayerBehaviour>(bird);
    return round ? round->State().hitCount : -1;
}

void RunnerFixture::SetScore(Engine::GameObj* bird, int score) {
    if (auto* round = api::ScriptOf<RoundPlayerBehaviour>(bird)) Edit(round).hitCount = score;
}

void RunnerFixture::Touch(Engine::GameObj* bird, Engine::GameObj* object) {
    ASSERT_NE(bird, nullptr);
    ASSERT_NE(object, nullptr);
    api::SetPosition(bird, api::Position(object));
    api::SetVelocity(bird, {0.0f, 0.0f});
    // Contacts found in one step reach the scripts in the next.
    engine->Step(2);
}
