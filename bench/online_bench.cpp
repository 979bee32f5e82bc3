// What online play adds to a frame, on one machine, over real ENet on 127.0.0.1:
// a host and a guest session each pump the link, turn this machine's keys into
// actions, submit them, take the frame's inputs, build the frame the game runs
// from them and report a world hash (every 60th frame is compared). Each
// iteration runs one frame on both sides, so the time per side is half of it.
// The counter InputDelayMs is the delay the default D = 3 puts on every input.
// With the argument 1 each turn also writes the online status (the round-trip
// readout and the stall mark) into the screen notes, as the game's loop does;
// 0 leaves it out, so one run shows both side by side.
#include <benchmark/benchmark.h>

#include <memory>

#include "graphics/screen_notes.h"
#include "input/virtual_keys.h"
#include "net/action_keys.h"
#include "net/enet_library.h"
#include "net/lockstep_session.h"
#include "net/net_host.h"
#include "wiring/online_status.h"

namespace {

using namespace Engine::net;

struct Side {
    std::unique_ptr<NetHost> link;
    std::unique_ptr<LockstepSession> session;
    Engine::InputFrame local;
    uint32_t framesRun = 0;
    bool withStatus = false;
    Engine::OnlineStatus status{true, 47360};
    Engine::graphics::ScreenNotes notes;

    // One frame of this side: false while it waits for the peer.
    bool Frame() {
        session->Pump();
        if (session->NeedsLocalInput()) session->SubmitLocalInput(ActionsFromLocalInput(local));
        const std::optional<FrameInputs> inputs = session->NextFrame();
        if (withStatus) status.Update(*session, inputs.has_value(), notes);
        if (!inputs) return false;
        const Engine::InputFrame run = LockstepInputFrame(*inputs);
        benchmark::DoNotOptimize(run);
        ++framesRun;
        session->ReportWorldHash(framesRun, framesRun);
        return true;
    }
};

SessionConfig Config(SessionRole role) {
    SessionConfig config;
    config.role = role;
    config.gameVersion = "bench";
    config.buildId = "bench";
    config.inputDelay = 3;
    return config;
}

void BM_LockstepFrameBothSides(benchmark::State& state) {
    EnetLibrary library;
    SteadySessionClock clock;
    Side host, guest;
    host.link = NetHost::Listen(library, 0, "127.0.0.1");
    if (!host.link) {
        state.SkipWithError("cannot listen on 127.0.0.1");
        return;
    }
    guest.link = NetHost::Connect(library, "127.0.0.1", host.link->LocalPort());
    host.session = std::make_unique<LockstepSession>(*host.link, clock, Config(SessionRole::Host));
    guest.session = std::make_unique<LockstepSession>(*guest.link, clock, Config(SessionRole::Guest));
    for (int i = 0; i < 100000 && !(host.session->Running() && guest.session->Running()); ++i) {
        host.session->Pump();
        guest.session->Pump();
    }
    host.withStatus = guest.withStatus = state.range(0) == 1;
    host.local.keys.set('D');
    guest.local.keys.set('W');
    int64_t waits = 0;
    for (auto _ : state) {
        // A frame on each side; a side that waits pumps again (counted) until its
        // peer's input is in, as the game's loop would on its next turn.
        while (!host.Frame()) ++waits;
        while (!guest.Frame()) ++waits;
    }
    state.counters["WaitTurns"] = benchmark::Counter(static_cast<double>(waits), benchmark::Counter::kAvgIterations);
    state.counters["InputDelayMs"] = host.session->InputDelay() * 1000.0 / 60.0;
    state.counters["RoundTripMs"] = host.session->RoundTripMs();
    if (host.session->Ended() || guest.session->Ended()) state.SkipWithError("a session ended during the run");
}
BENCHMARK(BM_LockstepFrameBothSides)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
