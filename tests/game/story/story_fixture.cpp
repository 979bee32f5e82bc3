#include "story_fixture.h"

#include <cmath>

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "sound/audio_engine.h"
#include "sound/sound.h"

StoryFixture::StoryFixture() {
    dir.CopyGameData();
    Game::player1Character = 1;
    Game::player2Character = 2;
}

StoryFixture::~StoryFixture() { engine.reset(); }

void StoryFixture::Start() {
    engine = std::make_unique<TestSupport::HeadlessEngine>();
    engine->Boot();
}

void StoryFixture::Open(const std::string& key) {
    ASSERT_TRUE(Engine::GameObjectFactory::instance->levelPaths.count(key)) << key;
    OpenPath(Engine::GameObjectFactory::instance->levelPaths[key]);
}

void StoryFixture::OpenPath(const std::string& path) {
    if (!engine) Start();
    engine->factory().LoadLevel(path);
    engine->Step();
}

void StoryFixture::WaitUntilRevealed() {
    for (int frame = 0; frame < 200; ++frame) {
        Transition* wipe = Wipe();
        if (!wipe || wipe->revealed) return;
        engine->Step();
    }
    FAIL() << "the wipe never opened the screen";
}

bool StoryFixture::StepUntilLevel(const std::string& path, int maxFrames) {
    for (int frame = 0; frame < maxFrames; ++frame) {
        if (Level() == path) return true;
        engine->Step();
    }
    return Level() == path;
}

int StoryFixture::Frames(float seconds) {
    return static_cast<int>(std::lround(seconds / TestSupport::HeadlessEngine::kFrame));
}

void StoryFixture::Tap(Engine::VirtualKey key) {
    engine->keys().Press(key);
    engine->Step();
    engine->keys().Release(key);
    engine->Step();
}

void StoryFixture::TapPad(uint16_t bit, int pad) {
    engine->pads().Plug(pad);
    engine->pads().SetButton(pad, bit, true);
    engine->Step();
    engine->pads().SetButton(pad, bit, false);
    engine->Step();
}

bool StoryFixture::Played(const std::string& eventPath) {
    const bool playing = Engine::IsEventPlaying(eventPath);
    if (Engine::AudioEngine::instance) Engine::AudioEngine::instance->StopEvent(eventPath, Engine::StopMode::kImmediate);
    return playing;
}

Engine::GameObj* StoryFixture::Find(const std::string& name) const { return api::Find(name); }

std::string StoryFixture::TextureOf(const std::string& objectName) const {
    return api::TextureOf(Find(objectName));
}

Transition* StoryFixture::Wipe() const { return api::FindScript<Transition>("TransitionBird"); }

std::string StoryFixture::Level() const { return engine->factory().currentLevelPath; }
