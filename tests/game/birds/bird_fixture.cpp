#include "bird_fixture.h"

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"
#include "input/player_slots.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "sound/audio_engine.h"

BirdFixture::BirdFixture() {
    dir.CopyGameData();
}

BirdFixture::~BirdFixture() { engine.reset(); }

void BirdFixture::OpenRange(int player1Character, int player2Character) {
    OpenLevel("PracticeRange", player1Character, player2Character);
}

void BirdFixture::OpenLevel(const std::string& key, int player1Character, int player2Character) {
    Game::player1Character = player1Character;
    Game::player2Character = player2Character;
    engine = std::make_unique<TestSupport::HeadlessEngine>();
    engine->Boot();
    Engine::ResetPlayerSlots();
    ASSERT_TRUE(engine->OpenLevel(key, 7));
    engine->Step();
    ASSERT_NE(Bird1(), nullptr);
    ASSERT_NE(Bird2(), nullptr);
}

void BirdFixture::WaitUntilFree() {
    for (int frame = 0; frame < 400; ++frame) {
        const MainPlayerBehaviour* a = Main("Player");
        const MainPlayerBehaviour* b = Main("Player2");
        if (a && b && !a->State().practiceHold && !b->State().practiceHold && !a->State().invulnerable && !b->State().invulnerable) {
            // Let them settle on the ground.
            engine->Step(30);
            return;
        }
        engine->Step();
    }
    FAIL() << "the birds never came free";
}

void BirdFixture::Tap(Engine::VirtualKey key) {
    engine->keys().Press(key);
    engine->Step();
    engine->keys().Release(key);
    engine->Step();
}

Engine::GameObj* BirdFixture::Find(const std::string& name) const { return api::Find(name); }

MainPlayerBehaviour* BirdFixture::Main(const std::string& bird) const {
    return api::ScriptOf<MainPlayerBehaviour>(Find(bird));
}
IndividualPlayerBehaviour* BirdFixture::Character(const std::string& bird) const {
    return api::ScriptOf<IndividualPlayerBehaviour>(Find(bird));
}
RoundPlayerBehaviour* BirdFixture::Round(const std::string& bird) const {
    return api::ScriptOf<RoundPlayerBehaviour>(Find(bird));
}

bool BirdFixture::Played(const std::string& eventPath) {
    const bool playing = Engine::IsEventPlaying(eventPath);
    if (Engine::AudioEngine::instance) Engine::AudioEngine::instance->StopEvent(eventPath, Engine::StopMode::kImmediate);
    return playing;
}
