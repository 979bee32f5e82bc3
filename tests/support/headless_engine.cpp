#include "support/headless_engine.h"

#include <stdexcept>

#include "api/script_api.h"
#include "game/menus/loading_logic.h"
#include "input/input.h"
#include "objects/game_object_factory.h"

namespace TestSupport {

HeadlessEngine::HeadlessEngine(SDL_Window* const* glWindow) {
    Engine::EngineOptions options = Engine::EngineOptions::Headless();
    options.externalWindow = glWindow;
    systems_ = std::make_unique<Engine::EngineSystems>(options);
    auto keys = std::make_unique<Engine::ScriptedKeyStateSource>();
    auto pads = std::make_unique<Engine::ScriptedPadSource>();
    keys_ = keys.get();
    pads_ = pads.get();
    // The computer players' keys stay laid over the harness's keyboard.
    systems_->input->SetKeyStateSource(
        std::make_unique<Engine::ComputerKeySource>(systems_->input->Computer(), std::move(keys)));
    systems_->input->SetPadStateSource(std::move(pads));
    // A headless game behaves as a focused window.
    systems_->input->active = true;
    if (!systems_->Initialize()) throw std::runtime_error("engine systems failed to initialise");
}

HeadlessEngine::~HeadlessEngine() = default;

void HeadlessEngine::Step(int count, float dt) {
    for (int i = 0; i < count; ++i) systems_->core->RunFrame(dt);
}

void HeadlessEngine::Boot() {
    if (booted_) return;
    booted_ = true;
    Step();
    LoadContentAtOnce();
}

bool HeadlessEngine::OpenLevel(const std::string& key, unsigned seed) {
    Boot();
    api::Seed(seed);
    return systems_->factory->LoadLevelByKey(key);
}

void HeadlessEngine::OpenLevelFile(const std::string& path, unsigned seed) {
    Boot();
    api::Seed(seed);
    systems_->factory->LoadLevel(path);
}

}  // namespace TestSupport
