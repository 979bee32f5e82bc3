#include "wiring/engine.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "core/base_directory.h"
#include "graphics/graphics.h"
#include "graphics/vsync.h"
#include "input/frame_key_source.h"
#include "input/frame_pad_source.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"
#include "input/sdl_gamepad_source.h"
#include "input/sdl_key_state_source.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "logic/picking.h"
#include "objects/game_object_factory.h"
#include "physics/physics.h"
#include "sound/sound.h"
#include "window/window.h"
#include "wiring/collider_outline.h"
#include "wiring/command_line.h"
#include "net/net_address.h"
#include "wiring/online_run.h"
#include "wiring/replay_session.h"
#include "wiring/settings_keeper.h"
#include "wiring/simulation_hook.h"

namespace Engine {

namespace {

// Ends the game with a quit, as the window's close button does, after a set
// number of frames.
class FrameLimit : public System {
public:
    explicit FrameLimit(int frames) : remaining_(frames) {}
    bool Initialize() override { return true; }
    void Update(float) override {
        if (remaining_ <= 0 || --remaining_ > 0 || !Core::instance) return;
        Message quit(kQuitMessage);
        Core::instance->BroadcastMessage(&quit);
    }

private:
    int remaining_;
};

}  // namespace

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
    graphics->textureListPath = options.files.textureListFile;
    factory = new GameObjectFactory();
    factory->levelPathsReadPath = options.files.levelPathsFile;
    factory->levelPathsWritePath = options.files.levelPathsFile;
    // The settings keeper below reads and writes the sound's part of the settings file.
    sound = options.silentSound ? new Sound(std::string(), &AudioOutput::OpenLoopback) : new Sound(std::string());
    std::unique_ptr<KeyStateSource> keys;
    std::unique_ptr<PadStateSource> pads;
    if (!options.scriptedInput) {
        keys = std::make_unique<SdlKeyStateSource>();
        pads = std::make_unique<SdlGamepadSource>(options.files.controllerMappingsFile);
    } else if (!options.inputFrame) {
        keys = std::make_unique<ScriptedKeyStateSource>();
        pads = std::make_unique<ScriptedPadSource>();
    }
    if (options.inputFrame) pads = std::make_unique<FramePadSource>(options.inputFrame, std::move(pads));
    input = new Input(nullptr, std::move(pads));
    // The computer players' keys join the device's below the recording, so a
    // recording holds them; a replay (a frame without a device) brings them back
    // from the file, and nothing thinks.
    const bool replaying = options.scriptedInput && options.inputFrame;
    if (!replaying) keys = std::make_unique<ComputerKeySource>(input->Computer(), std::move(keys));
    if (options.inputFrame) keys = std::make_unique<FrameKeySource>(options.inputFrame, std::move(keys));
    input->SetKeyStateSource(std::move(keys));
    logic = new GameLogic();
    if (options.windowed) logic->fullscreen = false;
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
    core->SetLevelCountSource(factory->epoch.CurrentSource());
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

    logic->applyVsync = &graphics::ApplyVsync;
    // Recorded and replayed runs play with the game's own controls: a recording's
    // keys must mean the same wherever it is played back.
    settings = std::make_unique<SettingsKeeper>(options.files.soundSettingsFile, sound, input, logic, !options.windowed,
                                                options.inputFrame == nullptr, &core->online);

    // Window first so input sees this frame's events; scripts before physics; drawing last.
    if (window) core->Register(window);
    core->Register(input);
    core->Register(sound);
    core->Register(factory);
    core->Register(logic);
    core->Register(physics);
    core->Register(picking);
    core->Register(graphics);
    if (options.quitAfterFrames > 0) core->Register(new FrameLimit(options.quitAfterFrames));
}

EngineSystems::~EngineSystems() {
    settings->Save();
    settings.reset();
    core->SetLevelCountSource(nullptr);
    for (System* system : core->systems) delete system;
    core->systems.clear();
    core.reset();
}

int RunGame(int argc, char** argv) {
    const std::string program = argc > 0 && argv[0] ? argv[0] : "tolvex";
    const CommandLineResult command = ParseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (!command.ok()) {
        std::cout << command.error << "\n" << CommandLineUsage(program) << std::flush;
        return 2;
    }
    if (command.options.help) {
        std::cout << CommandLineUsage(program) << std::flush;
        return 0;
    }
    if (command.options.version) {
        std::cout << VersionLine() << std::endl;
        return 0;
    }

    EngineOptions options;
    options.executablePath = ExecutablePath(program);
    options.windowed = command.options.windowed;
    options.quitAfterFrames = command.options.quitAfterFrames;
    options.files = LocateUserFiles(options.executablePath, [](const char* name) { return std::getenv(name); });
    if (options.files.installed) {
        // The data files name each other relative to the data folder.
        if (chdir(options.files.dataDirectory.c_str()) != 0) {
            std::cout << "Cannot enter the game's data folder " << options.files.dataDirectory << std::endl;
            return 1;
        }
        SeedUserFiles(options.files);
    }
    if (!command.options.replayPath.empty()) return RunReplay(options, command.options.replayPath);
    if (!command.options.simulate.empty()) {
        const SimulationRun simulate = RegisteredSimulation();
        if (!simulate) {
            std::cout << "This program cannot simulate matches (no game is linked in)" << std::endl;
            return 1;
        }
        return simulate(options, command.options.simulate);
    }
    const bool online = command.options.hostPort != 0 || !command.options.joinAddress.empty();
    if (!online && !command.options.recordPath.empty()) return RunRecording(options, command.options.recordPath);
    if (online)
        return RunOnline(options, {command.options.hostPort, command.options.hostAddress, command.options.joinAddress,
                                   command.options.inputDelay, command.options.computerStrength,
                                   command.options.onlineLevel, static_cast<uint32_t>(command.options.onlineSeed),
                                   command.options.headless, command.options.recordPath});
    return RunMenusAndOnline(options);
}

int RunMenusAndOnline(const EngineOptions& options) {
    // The Online screen ends the menus' game with a request; the online game then
    // runs exactly as from the command line, in a game of its own, and when its
    // session ends the menus' game starts again on the Online screen with the
    // line it ended with. Closing the window ends the loop.
    std::string ended;
    for (;;) {
        OnlineRequest request;
        {
            EngineSystems systems(options);
            systems.core->online.recentAddressesFile = options.files.recentAddressesFile;
            systems.core->online.lastEnd = ended;
            if (systems.Initialize()) systems.Run();
            request = systems.core->online;
        }
        if (!request.pending) return 0;
        ended.clear();
        OnlineCommand online;
        online.hostPort = request.host ? (request.hostPort != 0 ? request.hostPort : net::kDefaultPort) : 0;
        online.joinAddress = request.joinAddress;
        online.inputDelay = request.inputDelay;
        RunOnline(options, online, &ended);
        if (ended.empty()) return 0;
    }
}

}  // namespace Engine
