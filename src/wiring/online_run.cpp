#include "wiring/online_run.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "graphics/graphics.h"
#include "input/frame_key_source.h"
#include "input/frame_pad_source.h"
#include "input/scripted_key_state_source.h"
#include "net/action_keys.h"
#include "input/sdl_gamepad_source.h"
#include "input/sdl_key_state_source.h"
#include "net/enet_library.h"
#include "net/lockstep_session.h"
#include "net/net_address.h"
#include "net/net_host.h"
#include "window/window.h"
#include "wiring/engine.h"
#include "wiring/lockstep_frames.h"
#include "wiring/online_computer_hook.h"
#include "wiring/online_match_hook.h"
#include "wiring/online_status.h"
#include "wiring/world_hash.h"

#ifndef TOLVEX_VERSION
#define TOLVEX_VERSION "0.0.0"
#endif

namespace Engine {

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<net::NetHost> OpenLink(const net::EnetLibrary& library, const OnlineCommand& command) {
    if (command.hostPort != 0) {
        std::unique_ptr<net::NetHost> link = net::NetHost::Listen(library, static_cast<uint16_t>(command.hostPort), command.hostAddress);
        if (link) std::cout << "Hosting an online game on port " << link->LocalPort() << std::endl;
        return link;
    }
    std::string host;
    uint16_t port = 0;
    if (!net::SplitHostAndPort(command.joinAddress, host, port)) {
        std::cout << "Cannot join " << command.joinAddress << ": give a name or address, and a port from 1 to 65535"
                  << std::endl;
        return nullptr;
    }
    return net::NetHost::Connect(library, host, port);
}

}  // namespace

std::string OnlineGameVersion() { return TOLVEX_VERSION; }

std::string OnlineBuildId() {
    std::ostringstream id;
#if defined(__clang__)
    id << "clang-" << __clang_major__ << "." << __clang_minor__;
#elif defined(__GNUC__)
    id << "gcc-" << __GNUC__ << "." << __GNUC_MINOR__;
#endif
    id << "-" << sizeof(void*) * 8 << "bit";
#ifdef NDEBUG
    id << "-release";
#else
    id << "-debug";
#endif
    return id.str();
}

int RunOnline(const EngineOptions& given, const OnlineCommand& command, std::string* ended) {
    net::EnetLibrary library;
    // The port is taken (or the name looked up) before the game loads, so a
    // mistake there gets its line at once.
    std::unique_ptr<net::NetHost> link = OpenLink(library, command);
    if (!link) {
        if (ended)
            *ended = command.hostPort != 0 ? "Cannot host on port " + std::to_string(command.hostPort) + ": it is taken."
                                           : "Cannot join " + command.joinAddress + ": no such address.";
        return 1;
    }

    // The host's start level, named on the command line, is checked before anything loads.
    std::string startLevel;
    if (command.hostPort != 0 && !command.startLevel.empty()) {
        const OnlineMatchCalls& match = RegisteredOnlineMatch();
        startLevel = match.Complete() ? match.levelKey(command.startLevel) : std::string();
        if (startLevel.empty()) {
            std::cout << "Cannot start an online match in " << command.startLevel
                      << ": give egg, foodcourt, runner or boss" << std::endl;
            if (ended) *ended = "There is no level " + command.startLevel + " to play online.";
            return 2;
        }
    }

    // The game reads only the frame both machines run; this machine's devices
    // are read into a frame of their own (none when headless: only a computer plays).
    EngineOptions options = given;
    auto runFrame = std::make_shared<InputFrame>();
    options.inputFrame = runFrame;
    options.scriptedInput = true;
    if (command.headless) {
        options.window = false;
        options.silentSound = true;
    }
    EngineSystems systems(options);
    if (!systems.Initialize()) return 1;
    auto localFrame = std::make_shared<InputFrame>();
    std::optional<FrameKeySource> localKeys;
    std::optional<FramePadSource> localPads;
    if (!command.headless) {
        localKeys.emplace(localFrame, std::make_unique<SdlKeyStateSource>());
        localPads.emplace(localFrame, std::make_unique<SdlGamepadSource>(options.files.controllerMappingsFile));
    }

    // The session's clock starts now: loading the game is no silence of the peer.
    net::SteadySessionClock clock;
    net::SessionConfig config;
    config.role = command.hostPort != 0 ? net::SessionRole::Host : net::SessionRole::Guest;
    config.gameVersion = OnlineGameVersion();
    config.buildId = OnlineBuildId();
    config.inputDelay = command.inputDelay;
    config.seed = command.seed != 0 ? command.seed : static_cast<uint32_t>(Clock::now().time_since_epoch().count());
    config.startLevel = startLevel;
    net::LockstepSession session(*link, clock, config);
    LockstepFrames game(systems, session, runFrame);

    // A computer player in this machine's seat thinks on this machine only, on
    // its own keyboard; what it presses goes out as this machine's input. Its
    // random numbers come from the host's seed, so a seeded match repeats.
    std::unique_ptr<KeyThinker> computer;
    ScriptedKeyStateSource computerKeys;
    const int seat = config.role == net::SessionRole::Host ? 0 : 1;
    const OnlineComputerMaker maker = command.computerStrength.empty() ? nullptr : RegisteredOnlineComputer();
    if (!command.computerStrength.empty() && !maker)
        std::cout << "This program has no computer players; you play your seat yourself" << std::endl;
    std::function<net::PlayerActions()> computerActions;
    if (maker)
        computerActions = [&]() -> net::PlayerActions {
            if (!computer) computer = maker(seat + 1, command.computerStrength, session.Seed() + static_cast<unsigned>(seat));
            if (!computer) return {};
            computer->Think(computerKeys);
            return net::ActionsFromPlayerKeys(computerKeys, seat);
        };

    const auto step = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(Core::kFrameSeconds));
    Clock::time_point next = Clock::now();
    bool announced = false;
    // Back (Escape, pad B) while no friend is here yet cancels; a key still held
    // from the screen before does not count until it is let go.
    bool backWasDown = true;
    bool cancelled = false;
    std::string result;
    OnlineStatus status(command.hostPort != 0, command.hostPort);
    for (int turn = 0; systems.core->active && !session.Ended() && result.empty(); ++turn) {
        if (!announced && session.Running()) {
            announced = true;
            std::cout << "Online game started: you are player " << session.LocalPlayer() + 1 << ", input delay "
                      << session.InputDelay() << " frames" << std::endl;
        }
        if (localKeys) localKeys->BeginFrame();
        if (localPads) localPads->BeginFrame();
        const bool backDown = net::ActionsFromLocalInput(*localFrame).Has(net::Action::Back);
        if (session.State() == net::SessionState::Connecting && backDown && !backWasDown) {
            cancelled = true;
            break;
        }
        backWasDown = backDown;
        const bool ran = game.Turn(*localFrame, computerActions);
        if (systems.graphics) status.Update(session, ran, systems.graphics->notes);
        // While connecting or waiting, the window still answers (and can be
        // closed), and the picture is drawn again with the stall mark.
        if (!ran && systems.window) systems.window->Update(0.0f);
        if (!ran && systems.graphics) systems.graphics->Redraw();
        if (ran) result = game.MatchResult();
        if (command.headless) {
            // As fast as both games go; a short nap while the friend's input is on its way.
            if (!ran) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        if (turn % 15 == 0 && systems.window && systems.window->sdlWindow)
            SDL_SetWindowTitle(systems.window->sdlWindow, status.Title(session).c_str());
        next += step;
        const Clock::time_point now = Clock::now();
        if (next < now - 2 * step) next = now;  // fell behind: do not race to catch up
        std::this_thread::sleep_until(next);
    }

    if (cancelled) {
        // The listening (or connecting) socket closes with `link` on return.
        const std::string line = command.hostPort != 0 ? "You stopped hosting." : "You stopped joining.";
        std::cout << line << std::endl;
        if (ended) *ended = line;
        return 0;
    }
    // Both games see a match's result after the same frame and end there.
    if (!result.empty()) std::cout << "Match result: " << result << std::endl;
    if (!session.Ended()) {
        // Quitting: let the friend's game have every input of the frames run here
        // (at most a second), then say goodbye.
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(1);
        while (session.Running() && !session.PeerHasAllLocalInput() && Clock::now() < deadline) {
            session.Pump();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        session.Leave();
        session.Pump();
        link->Disconnect(500);
    } else {
        std::cout << session.EndMessage() << std::endl;
        if (ended) *ended = session.EndMessage();
        if (session.OutOfStepFrame()) {
            const std::string folder = options.files.dataDirectory.empty() ? "." : options.files.dataDirectory;
            const std::string saved = game.SaveOutOfStepRecording(folder);
            if (!saved.empty()) std::cout << "This game's recording is saved as " << saved << std::endl;
        }
    }
    if (!command.recordPath.empty() && !game.SaveRecording(command.recordPath).empty())
        std::cout << "The online match's recording is saved as " << command.recordPath << std::endl;
    std::cout << WorldHashLine(game.FramesRun()) << std::endl;
    return 0;
}

}  // namespace Engine
