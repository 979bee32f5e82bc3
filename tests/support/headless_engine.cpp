#include "support/headless_engine.h"

#include <stdexcept>

namespace TestSupport {

HeadlessEngine::HeadlessEngine() {
    Engine::EngineOptions options;
    options.headless = true;
    systems_ = std::make_unique<Engine::EngineSystems>(options);
    if (!systems_->Initialize()) throw std::runtime_error("engine systems failed to initialise");
}

HeadlessEngine::~HeadlessEngine() = default;

void HeadlessEngine::Step(int count, float dt) {
    for (int i = 0; i < count; ++i) systems_->core->RunFrame(dt);
}

}  // namespace TestSupport
