#pragma once
// Builds the engine's systems in their fixed order, registers them with a Core and
// tears them down again. The game's entry and the test harness share it.

#include <memory>
#include <string>

#include "core/core.h"
#include "input/input_frame.h"
#include "wiring/user_files.h"

struct SDL_Window;

namespace Engine {

class Window;
class Input;
class Sound;
class GameObjectFactory;
class GameLogic;
class Physics;
class Picking;
class SettingsKeeper;
namespace graphics {
class Graphics;
}

struct EngineOptions {
    // The game window (and with it GL). Without one, nothing is drawn.
    bool window = true;
    // Keys and pads come from scripted sources instead of SDL.
    bool scriptedInput = false;
    // Sound mixes into a loopback device instead of a sound card.
    bool silentSound = false;
    // Without a window system, the graphics system can still draw into a window
    // made elsewhere (tests that read pixels back).
    SDL_Window* const* externalWindow = nullptr;
    std::string executablePath;
    // Editor mode; with a window the window properties file decides it.
    bool editorMode = false;
    // Where the rewritten files and the controller mappings are (the checkout's by default).
    UserFiles files;
    // Start in a window instead of full screen.
    bool windowed = false;
    // End the game with a quit after this many frames; 0 runs until a quit.
    int quitAfterFrames = 0;
    // When set, the input reads keys and pads through this frame (frame_key_source.h,
    // frame_pad_source.h): filled from the devices each frame (recording), or, with
    // `scriptedInput`, only by whoever plays a recording back.
    std::shared_ptr<InputFrame> inputFrame;

    // No window, scripted input, silent sound: the harness drives frames itself.
    static EngineOptions Headless() {
        EngineOptions options;
        options.window = false;
        options.scriptedInput = true;
        options.silentSound = true;
        return options;
    }
};

// Builds the systems, publishes the run's settings in the Core and connects the
// systems where a lower one calls back into a higher one: level listeners, the
// pause flag, the full-screen switch, the live objects the animators walk, the
// buttons the factory hands out and the collider outlines.
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
    // The player's settings file, read at start and written when it changed.
    std::unique_ptr<SettingsKeeper> settings;
};

// The program: the command line, start-up, the frame loop, shutdown. Returns the
// process exit code.
int RunGame(int argc, char** argv);

// The game from its title, with its way into online games: the Online screen's
// request leaves the menus for RunOnline, and the end of that game comes back to
// the Online screen. Returns when the window is closed.
int RunMenusAndOnline(const EngineOptions& options);

}  // namespace Engine
