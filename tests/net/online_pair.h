#pragma once
// Two lockstep sessions in one process over real ENet on 127.0.0.1, each with a
// small stand-in world: its hash folds in every frame's inputs in order, so two
// worlds hash alike only when they ran the same inputs on the same frames. Each
// side's person "plays" a fixed pseudo-random pattern of actions.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/enet_library.h"
#include "net/lockstep_session.h"
#include "net/net_host.h"
#include "net/session_clock.h"

namespace tests {

struct InputWorld {
    uint64_t hash = 1469598103934665603ull;
    uint32_t framesRun = 0;
    void Step(const Engine::net::FrameInputs& inputs);
};

// The actions side `player` (0 host, 1 guest) presses on frame `frame`.
Engine::net::PlayerActions PatternActions(int player, uint32_t frame);

struct OnlineSide {
    std::unique_ptr<Engine::net::NetHost> link;
    std::unique_ptr<Engine::net::LockstepSession> session;
    InputWorld world;
    // Changes the hash a side reports (a stand-in for a game that went its own way).
    std::function<uint64_t(uint32_t framesRun, uint64_t hash)> reportedHash;
};

struct PairOptions {
    std::string hostVersion = "1.0";
    std::string guestVersion = "1.0";
    int inputDelay = 3;
};

class OnlinePair {
public:
    OnlinePair(const Engine::net::SessionClock& clock, PairOptions options);

    // The host listens from the start; the guest connects when told, to the
    // host's port or to a relay in between. True when the guest's link opened.
    bool ConnectGuest(uint16_t port);
    bool ConnectGuestDirectly() { return hostPort_ != 0 && ConnectGuest(hostPort_); }
    uint16_t HostPort() const { return hostPort_; }

    // One turn of both frame loops; each side runs at most `frameLimit` frames.
    void Step(uint32_t frameLimit);
    // Steps (sleeping `sleepMs` between turns, advancing `onTurn`) until `done`
    // holds or `maxTurns` ran; true when `done` held.
    bool RunUntil(const std::function<bool()>& done, uint32_t frameLimit, int maxTurns, int sleepMs = 1,
                  const std::function<void()>& onTurn = nullptr);

    OnlineSide host;
    OnlineSide guest;

private:
    void StepSide(OnlineSide& side, int player, uint32_t frameLimit);

    const Engine::net::SessionClock& clock_;
    PairOptions options_;
    Engine::net::EnetLibrary library_;
    uint16_t hostPort_ = 0;
};

}  // namespace tests
