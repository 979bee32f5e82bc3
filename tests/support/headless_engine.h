#pragma once
// The engine's real systems without a window, stepped one frame at a time with a
// fixed dt. Construct it inside a ScratchDir when the test reads data files.

#include <memory>

#include "wiring/engine.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"

namespace TestSupport {

class HeadlessEngine {
public:
    static constexpr float kFrame = 1.0f / 60.0f;

    // Builds and initialises every system; the boot frame has not run yet. With
    // `glWindow`, the graphics system draws every frame into that window.
    explicit HeadlessEngine(SDL_Window* const* glWindow = nullptr);
    ~HeadlessEngine();

    // Runs `count` frames of `dt` seconds (before the time scale).
    void Step(int count = 1, float dt = kFrame);

    Engine::EngineSystems& systems() { return *systems_; }
    Engine::GameObjectFactory& factory() { return *systems_->factory; }
    Engine::GameLogic& logic() { return *systems_->logic; }
    Engine::Core& core() { return *systems_->core; }
    // What the harness's keyboard and pads hold down; read by the next frame's input.
    Engine::ScriptedKeyStateSource& keys() { return *keys_; }
    Engine::ScriptedPadSource& pads() { return *pads_; }

private:
    std::unique_ptr<Engine::EngineSystems> systems_;
    Engine::ScriptedKeyStateSource* keys_ = nullptr;
    Engine::ScriptedPadSource* pads_ = nullptr;
};

}  // namespace TestSupport
