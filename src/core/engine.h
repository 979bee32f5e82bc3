#pragma once
// Builds the engine's systems in their fixed order, registers them with a Core and
// tears them down again. The game's entry and the test harness share it.

#include <memory>
#include <string>

#include "core/core.h"

namespace Engine {

class Window;
class Input;
class Sound;
class GameObjectFactory;
class GameLogic;
class Physics;
class Picking;
namespace graphics {
class Graphics;
}

struct EngineOptions {
    // Without a window or GL, with scripted input and silent sound: the harness
    // drives frames itself.
    bool headless = false;
    std::string executablePath;
};

class EngineSystems {
public:
    explicit EngineSystems(const EngineOptions& options);
    // Deletes the systems in registration order, then the Core.
    ~EngineSystems();
    EngineSystems(const EngineSystems&) = delete;
    EngineSystems& operator=(const EngineSystems&) = delete;

    bool Initialize() { return core->Initialize(); }
    void Run() { core->GameLoop(); }

    std::unique_ptr<Core> core;
    Window* window = nullptr;
    Input* input = nullptr;
    Sound* sound = nullptr;
    graphics::Graphics* graphics = nullptr;
    GameObjectFactory* factory = nullptr;
    GameLogic* logic = nullptr;
    Physics* physics = nullptr;
    Picking* picking = nullptr;
};

// The program: start-up, the frame loop, shutdown. Returns the process exit code.
int RunGame(const std::string& executablePath);

}  // namespace Engine
