#include "online_pair.h"

#include <chrono>
#include <thread>

namespace tests {

using namespace Engine::net;

void InputWorld::Step(const FrameInputs& inputs) {
    const uint64_t values[3] = {inputs.frame, inputs.players[0].bits, inputs.players[1].bits};
    for (const uint64_t value : values) {
        hash ^= value;
        hash *= 1099511628211ull;
    }
    ++framesRun;
}

PlayerActions PatternActions(int player, uint32_t frame) {
    uint32_t x = frame * 2654435761u + static_cast<uint32_t>(player) * 40503u + 1u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return PlayerActions{x & ((1u << static_cast<unsigned>(Action::Count)) - 1u)};
}

OnlinePair::OnlinePair(const SessionClock& clock, PairOptions options) : clock_(clock), options_(options) {
    host.link = NetHost::Listen(library_, 0, "127.0.0.1");
    if (!host.link) return;
    hostPort_ = host.link->LocalPort();
    SessionConfig config;
    config.role = SessionRole::Host;
    config.gameVersion = options_.hostVersion;
    config.buildId = "test";
    config.inputDelay = options_.inputDelay;
    config.seed = 1234;
    host.session = std::make_unique<LockstepSession>(*host.link, clock_, config);
}

bool OnlinePair::ConnectGuest(uint16_t port) {
    guest.link = NetHost::Connect(library_, "127.0.0.1", port);
    if (!guest.link) return false;
    SessionConfig config;
    config.role = SessionRole::Guest;
    config.gameVersion = options_.guestVersion;
    config.buildId = "test";
    guest.session = std::make_unique<LockstepSession>(*guest.link, clock_, config);
    return true;
}

void OnlinePair::StepSide(OnlineSide& side, int player, uint32_t frameLimit) {
    LockstepSession& session = *side.session;
    session.Pump();
    if (session.NeedsLocalInput())
        session.SubmitLocalInput(PatternActions(player, session.NextFrameNumber() + session.InputDelay()));
    if (side.world.framesRun >= frameLimit) return;
    if (const std::optional<FrameInputs> inputs = session.NextFrame()) {
        side.world.Step(*inputs);
        const uint64_t hash =
            side.reportedHash ? side.reportedHash(side.world.framesRun, side.world.hash) : side.world.hash;
        session.ReportWorldHash(side.world.framesRun, hash);
    }
}

void OnlinePair::Step(uint32_t frameLimit) {
    StepSide(host, 0, frameLimit);
    StepSide(guest, 1, frameLimit);
}

bool OnlinePair::RunUntil(const std::function<bool()>& done, uint32_t frameLimit, int maxTurns, int sleepMs,
                          const std::function<void()>& onTurn) {
    for (int turn = 0; turn < maxTurns; ++turn) {
        if (done()) return true;
        Step(frameLimit);
        if (onTurn) onTurn();
        if (sleepMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));
    }
    return done();
}

}  // namespace tests
