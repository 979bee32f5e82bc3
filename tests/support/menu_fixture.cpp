#include "support/menu_fixture.h"

#include "game/menus/loading_logic.h"
#include "api/script_api.h"
#include "game/menus/menu_flow.h"
#include "graphics/graphics.h"
#include "objects/level_paths.h"
#include "sound/audio_engine.h"

MenuFixture::MenuFixture() {
    dir.CopyGameData();
}

MenuFixture::~MenuFixture() { engine.reset(); }

void MenuFixture::Start() {
    engine = std::make_unique<TestSupport::HeadlessEngine>();
    engine->Step();
}

void MenuFixture::Open(const std::string& key) {
    if (!engine) Start();
    engine->Boot();
    engine->factory().LoadLevelByKey(key);
    engine->Step();
}

void MenuFixture::WaitUntilRevealed() {
    for (int frame = 0; frame < 200; ++frame) {
        Transition* wipe = Wipe();
        if (!wipe || wipe->revealed) return;
        engine->Step();
    }
    FAIL() << "the wipe never opened the screen";
}

bool MenuFixture::StepUntilLevel(const std::string& path, int maxFrames) {
    for (int frame = 0; frame < maxFrames; ++frame) {
        if (Level() == path) return true;
        engine->Step();
    }
    return Level() == path;
}

void MenuFixture::Tap(Engine::VirtualKey key) {
    engine->keys().Press(key);
    engine->Step();
    engine->keys().Release(key);
    engine->Step();
}

void MenuFixture::TapPad(uint16_t bit, int pad) {
    engine->pads().SetButton(pad, bit, true);
    engine->Step();
    engine->pads().SetButton(pad, bit, false);
    engine->Step();
}

bool MenuFixture::Played(const std::string& eventPath) {
    const bool playing = Engine::IsEventPlaying(eventPath);
    if (Engine::AudioEngine::instance) Engine::AudioEngine::instance->StopEvent(eventPath, Engine::StopMode::kImmediate);
    return playing;
}

Engine::GameObj* MenuFixture::Find(const std::string& name) const { return api::Find(name); }

Transition* MenuFixture::Wipe() const { return MenuFlow::FindWipe(); }
