#include "core/engine.h"

#include "core/base_directory.h"
#include "graphics/graphics.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"
#include "physics/physics.h"
#include "physics/picking.h"
#include "sound/sound.h"
#include "window/window.h"

namespace Engine {

EngineSystems::EngineSystems(const EngineOptions& options) : core(std::make_unique<Core>()) {
    if (options.window) window = new Window(WindowProperties::Read());
    baseDirectory = BaseDirectoryFromExecutable(options.executablePath);
    graphics = new graphics::Graphics(window ? &window->sdlWindow : options.externalWindow, 1280, 720, baseDirectory);
    factory = new GameObjectFactory();
    sound = options.silentSound ? new Sound(Sound::kSettingsFile, &AudioOutput::OpenLoopback) : new Sound();
    input = options.scriptedInput ? new Input(std::make_unique<ScriptedKeyStateSource>(), std::make_unique<ScriptedPadSource>())
                             : new Input();
    logic = new GameLogic();
    physics = new Physics();
    picking = new Picking();
    // Window first so input sees this frame's events; scripts before physics; drawing last.
    if (window) core->Register(window);
    core->Register(input);
    core->Register(sound);
    core->Register(factory);
    core->Register(logic);
    core->Register(physics);
    core->Register(picking);
    core->Register(graphics);
}

EngineSystems::~EngineSystems() {
    for (System* system : core->systems) delete system;
    core->systems.clear();
    core.reset();
}

int RunGame(const std::string& executablePath) {
    EngineOptions options;
    options.executablePath = executablePath;
    EngineSystems systems(options);
    if (systems.Initialize()) systems.Run();
    return 0;
}

}  // namespace Engine
