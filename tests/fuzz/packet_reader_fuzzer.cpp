// libFuzzer target for the online packet reader and the session behind it.
// 1. The whole input as one packet: the reader either drops it (counting exactly
//    one reason) or takes it, and a packet it takes encodes back to the very same
//    bytes (so nothing was guessed or half read).
// 2. The input as a stream of packets ([length byte][bytes]...) arriving at a
//    running lockstep session: whatever comes, the session stays within its
//    promises (no frame runs without both inputs, no crash, no unbounded growth).
#include "fuzz_support.h"

#include <algorithm>
#include <deque>

#include "net/lockstep_session.h"
#include "net/packets.h"

namespace {

using namespace Engine::net;

// A peer link that hands over scripted packets and forgets what is sent.
class ScriptedLink final : public PeerLink {
public:
    std::deque<LinkEvent> incoming;
    bool Send(const std::vector<uint8_t>&, Delivery) override { return true; }
    void Poll(std::vector<LinkEvent>& events) override {
        for (int i = 0; i < 4 && !incoming.empty(); ++i) {
            events.push_back(std::move(incoming.front()));
            incoming.pop_front();
        }
    }
};

void ReadWhole(const uint8_t* data, size_t size) {
    PacketReader reader;
    const std::optional<Packet> packet = reader.Read(data, size, 100);
    if (!packet) {
        FuzzSupport::Require(reader.Dropped().Total() == 1, "a dropped packet is counted once");
        return;
    }
    FuzzSupport::Require(reader.Dropped().Total() == 0, "a taken packet is not counted");
    const std::vector<uint8_t> again = Encode(*packet);
    FuzzSupport::Require(again.size() == size && std::equal(again.begin(), again.end(), data),
                         "a taken packet encodes back to its bytes");
}

void FeedSession(const uint8_t* data, size_t size) {
    if (size == 0) return;
    ScriptedLink link;
    ManualSessionClock clock;
    SessionConfig config;
    config.role = (data[0] & 1) ? SessionRole::Guest : SessionRole::Host;
    config.gameVersion = "1.0";
    config.buildId = "fuzz";
    LockstepSession session(link, clock, config);
    link.incoming.push_back({LinkEvent::Kind::Connected, {}});
    // A matching hello (and, for a guest, the host's start) so the rest meets a running session.
    const std::vector<uint8_t> hello = Encode(HelloPacket{"1.0", "fuzz"});
    link.incoming.push_back({LinkEvent::Kind::Received, hello});
    if (config.role == SessionRole::Guest)
        link.incoming.push_back({LinkEvent::Kind::Received, Encode(StartPacket{5, 3, ""})});
    for (size_t at = 1; at < size;) {
        const size_t length = std::min<size_t>(data[at], size - at - 1);
        link.incoming.push_back(
            {LinkEvent::Kind::Received, std::vector<uint8_t>(data + at + 1, data + at + 1 + length)});
        at += 1 + length;
    }
    uint32_t framesRun = 0;
    for (int turn = 0; turn < 200 && !session.Ended(); ++turn) {
        session.Pump();
        if (session.NeedsLocalInput()) session.SubmitLocalInput(PlayerActions{static_cast<uint32_t>(turn)});
        while (const std::optional<FrameInputs> inputs = session.NextFrame()) {
            FuzzSupport::Require(inputs->frame == framesRun, "frames run in order");
            ++framesRun;
            session.ReportWorldHash(framesRun, framesRun);
        }
        FuzzSupport::Require(session.PlayerHistory(0).size() == framesRun, "the history holds the frames run");
        clock.Advance(1.0 / 60.0);
        if (link.incoming.empty()) break;
    }
    FuzzSupport::Require(framesRun <= 200 + PacketReader::kFutureWindow + LockstepSession::kMaxInputDelay,
                         "no frame runs without this side's input");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool entered = (FuzzSupport::EnterScratchFolder(), true);
    (void)entered;
    ReadWhole(data, size);
    FeedSession(data, size);
    return 0;
}
