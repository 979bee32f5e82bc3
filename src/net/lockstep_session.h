#pragma once
// Lockstep over one peer link: each side sends its own player's actions for frame
// f + D (D, the input delay, is the host's choice, 1..8), and frame f runs only
// once both players' actions for it are here, so both games run the same frames on
// the same input. Inputs travel unreliably but redundantly (every packet repeats
// what the peer has not confirmed), the world hash is compared every 60 frames,
// a ping measures the round trip, and a peer silent for five seconds ends it.
//
// The caller's frame: Pump(); if NeedsLocalInput(), SubmitLocalInput(actions);
// then, if NextFrame() gives the frame's inputs, run the frame with them and
// ReportWorldHash(frames run so far, hash); otherwise the game waits (Waiting()).

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "net/packets.h"
#include "net/peer_link.h"
#include "net/session_clock.h"

namespace Engine::net {

enum class SessionRole : uint8_t { Host, Guest };
enum class SessionState : uint8_t { Connecting, Running, Ended };

struct SessionConfig {
    SessionRole role = SessionRole::Host;
    std::string gameVersion;
    std::string buildId;
    int inputDelay = 3;              // the host's choice, sent to the guest
    uint32_t seed = 1;               // the host's choice, sent to the guest
    std::string startLevel;          // the host's choice, sent to the guest (empty: the title)
    double silenceTimeout = 5.0;     // seconds without a word from the peer
    double connectTimeout = 15.0;    // seconds a guest waits for a host to answer at all
    double pingInterval = 0.25;      // seconds
    double resendInterval = 0.03;    // seconds between repeats of unconfirmed inputs
    int hashInterval = 60;           // frames between world-hash comparisons
};

struct FrameInputs {
    uint32_t frame = 0;
    PlayerActions players[2];  // [0]: the host's person (player 1), [1]: the guest's (player 2)
};

class LockstepSession {
public:
    static constexpr int kMinInputDelay = 1;
    static constexpr int kMaxInputDelay = 8;

    LockstepSession(PeerLink& link, const SessionClock& clock, SessionConfig config);

    // Reads what arrived, answers the handshake and pings, repeats unconfirmed
    // inputs and ends a silent session. Call once or more per frame, also after
    // the session ended (until the link goes), so its goodbye is delivered.
    void Pump();

    // True while running and this side's actions for frame NextFrameNumber() + D
    // are not given yet.
    bool NeedsLocalInput() const;
    void SubmitLocalInput(PlayerActions actions);

    // Both players' actions for the next frame when both are here (and moves on).
    std::optional<FrameInputs> NextFrame();

    // After running a frame: `framesRun` frames have run and the world hashes to
    // `hash`. Every hashInterval frames it is sent and compared with the peer's.
    void ReportWorldHash(uint32_t framesRun, uint64_t hash);

    // Whether ReportWorldHash(framesRun, ...) would use the hash (so the caller
    // computes it only then).
    bool HashDue(uint32_t framesRun) const;

    // Ends the session from this side and tells the peer how many frames ran
    // here, so it can run up to the same frame before it ends too.
    void Leave();
    // Every action this side gave has reached the peer (worth waiting for before
    // Leave, so the peer can run every frame this side ran).
    bool PeerHasAllLocalInput() const;

    SessionState State() const { return state_; }
    bool Running() const { return state_ == SessionState::Running; }
    bool Ended() const { return state_ == SessionState::Ended; }
    // Running, but the peer's actions for the next frame have not come yet.
    bool Waiting() const;
    // The line that says why the session ended (empty while it runs).
    const std::string& EndMessage() const { return endMessage_; }
    // Set when the session ended because the world hashes differed.
    std::optional<uint32_t> OutOfStepFrame() const { return outOfStepFrame_; }

    int LocalPlayer() const { return config_.role == SessionRole::Host ? 0 : 1; }
    int InputDelay() const { return inputDelay_; }
    uint32_t Seed() const { return seed_; }
    // The level key both games start in, once running (empty: from the title).
    const std::string& StartLevel() const { return startLevel_; }
    uint32_t NextFrameNumber() const { return frame_; }
    // Smoothed round-trip time in milliseconds (0 before the first answer).
    double RoundTripMs() const { return roundTripMs_; }
    const DroppedPackets& Dropped() const { return reader_.Dropped(); }
    // Every frame's actions of player 0 or 1 up to the last frame run.
    std::vector<PlayerActions> PlayerHistory(int player) const;

private:
    void OnPacket(const Packet& packet);
    void OnHello(const HelloPacket& hello);
    void OnStart(const StartPacket& start);
    void OnInputs(const InputsPacket& inputs);
    void OnHash(const HashPacket& hash);
    void CompareHashes(uint32_t frame);
    void SendInputs();
    void Send(const Packet& packet, Delivery delivery);
    void End(std::string message);
    uint32_t StampNow() const;

    PeerLink& link_;
    const SessionClock& clock_;
    SessionConfig config_;
    PacketReader reader_;
    SessionState state_ = SessionState::Connecting;
    std::string endMessage_;
    std::optional<uint32_t> outOfStepFrame_;

    bool connected_ = false;
    bool helloAccepted_ = false;
    int inputDelay_ = 3;
    uint32_t seed_ = 0;
    std::string startLevel_;

    uint32_t frame_ = 0;                   // the next frame to run
    std::vector<PlayerActions> local_;     // this side's actions, from frame 0
    std::vector<PlayerActions> remote_;    // the peer's actions, from frame 0
    std::vector<bool> remoteHave_;
    uint32_t remoteComplete_ = 0;          // every remote frame below this is here
    int64_t peerAck_ = -1;                 // the peer holds our frames up to this one

    std::map<uint32_t, uint64_t> localHashes_;
    std::map<uint32_t, uint64_t> remoteHashes_;
    uint32_t lastCompared_ = 0;            // hashes of this frame and before are settled
    std::optional<uint32_t> peerLeftAt_;   // the peer left after running this many frames

    double startTime_ = 0.0;
    double lastHeard_ = 0.0;
    double lastPing_ = -1e9;
    double lastInputSend_ = -1e9;
    double roundTripMs_ = 0.0;
};

}  // namespace Engine::net
