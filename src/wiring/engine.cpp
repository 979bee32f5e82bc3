#include "wiring/engine.h"

#include "core/base_directory.h"
#include "graphics/graphics.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "logic/picking.h"
#include "objects/game_object_factory.h"
#include "physics/physics.h"
#include "sound/sound.h"
#include "window/window.h"
#include "wiring/collider_outline.h"

namespace Engine {

EngineSystems::EngineSystems(const EngineOptions& options) : core(std::make_unique<Core>()) {
    core->settings.editorMode = options.editorMode;
    int width = Window::kFallbackWidth, height = Window::kFallbackHeight;
    if (options.window) {
        const WindowProperties properties = WindowProperties::Read();
        core->settings.editorMode = properties.editorMode;
        window = new Window(properties);
        // The window has replaced an unusable size by the fallback already.
        width = window->width;
        height = window->height;
    }
    core->settings.baseDirectory = BaseDirectoryFromExecutable(options.executablePath);
    graphics = new graphics::Graphics(window ? &window->sdlWindow : options.externalWindow, width, height,
                                      core->settings.baseDirectory);
    factory = new GameObjectFactory();
    sound = options.silentSound ? new Sound(Sound::kSettingsFile, &AudioOutput::OpenLoopback) : new Sound();
    input = options.scriptedInput ? new Input(std::make_unique<ScriptedKeyStateSource>(), std::make_unique<ScriptedPadSource>())
                             : new Input();
    logic = new GameLogic();
    physics = new Physics();
    picking = new Picking();

    // Level changes reach the editor, the game logic, the layers and the physics
    // lists in this order.
    factory->AddLevelListener(picking);
    factory->AddLevelListener(logic);
    factory->AddLevelListener(graphics);
    factory->AddLevelListener(physics);
    factory->takeButton = [this]() -> GameObj* { return logic->TakeButton(); };
    graphics->SetLiveObjects(factory);
    physics->SetPauseSource(&logic->paused);
    physics->colliderDecorator = &MakeColliderOutline;
    if (window) {
        Window* shown = window;
        logic->applyFullscreen = [shown](bool fullscreen) {
            if (fullscreen)
                shown->EnterFullscreen();
            else
                shown->LeaveFullscreen();
        };
    }

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
