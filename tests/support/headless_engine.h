#pragma once
// The engine's real systems without a window, stepped one frame at a time with a
// fixed dt. Construct it inside a ScratchDir when the test reads data files.

#include <memory>
#include <string>

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

    // The boot frame (the loading screen's first), then every texture and
    // archetype at once, as the loading screen loads them over many frames.
    // Runs once; the level openers below call it.
    void Boot();
    // The one way tests and benchmarks open a level: Boot, the random source
    // seeded, then the level the level-path table lists under `key`. No frame
    // runs yet. False, with the factory's one line, when it cannot open.
    bool OpenLevel(const std::string& key, unsigned seed);
    // The same for a level file by its path ("MapData//X.xml"), for the small
    // levels a test writes.
    void OpenLevelFile(const std::string& path, unsigned seed);

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
    bool booted_ = false;
};

}  // namespace TestSupport
