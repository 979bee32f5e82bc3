#pragma once
// The online protocol's packets and their byte layout. Every packet starts with
// the bytes 'T' 'V', the protocol version and the packet type; numbers are little
// endian. docs/online.md has the table.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "net/player_actions.h"

namespace Engine::net {

constexpr uint8_t kProtocolVersion = 2;
// The most frames one input packet carries (the newest and the ones before it
// that the peer has not confirmed yet).
constexpr int kMaxInputsPerPacket = 32;
constexpr size_t kMaxTextLength = 64;  // version and build strings

enum class PacketType : uint8_t { Hello = 1, Start = 2, Inputs = 3, Hash = 4, Ping = 5, Pong = 6, Goodbye = 7 };

// First packet from each side: what game this is.
struct HelloPacket {
    std::string gameVersion;
    std::string buildId;
};

// The host's answer to a matching hello: the seed both games start from, the
// input delay both use, and the level both games start in (its key in the
// level-path table; empty: both start from the title).
struct StartPacket {
    uint32_t seed = 0;
    uint8_t inputDelay = 3;
    std::string level;
};

// The sender's actions for frames first .. first + actions.size() - 1 (none: the
// packet only confirms), and the last frame up to which it holds all of the
// receiver's actions (-1: none yet).
struct InputsPacket {
    int32_t ackFrame = -1;
    uint32_t firstFrame = 0;
    std::vector<PlayerActions> actions;
};

// The world hash after the sender ran frame `frame`.
struct HashPacket {
    uint32_t frame = 0;
    uint64_t hash = 0;
};

// Round-trip measurement: a ping's stamp comes back unchanged in the pong.
struct PingPacket {
    uint32_t stamp = 0;
};
struct PongPacket {
    uint32_t stamp = 0;
};

enum class GoodbyeReason : uint8_t { Left = 0, VersionMismatch = 1, OutOfStep = 2 };
struct GoodbyePacket {
    GoodbyeReason reason = GoodbyeReason::Left;
    uint32_t frame = 0;  // OutOfStep: the frame whose hashes differed
};

using Packet = std::variant<HelloPacket, StartPacket, InputsPacket, HashPacket, PingPacket, PongPacket, GoodbyePacket>;

std::vector<uint8_t> Encode(const Packet& packet);

// Why the reader turned a packet away; one counter each.
struct DroppedPackets {
    int wrongVersion = 0;  // not our protocol version (or not our protocol at all)
    int wrongSize = 0;     // too short or too long for its type
    int garbage = 0;       // unknown type or values out of range
    int farFuture = 0;     // a frame too far ahead of the game to be honest

    int Total() const { return wrongVersion + wrongSize + garbage + farFuture; }
};

// Reads packets without trusting them: anything malformed is counted and answered
// with nothing.
class PacketReader {
public:
    // Frames more than this many beyond the reader's current frame are refused.
    static constexpr uint32_t kFutureWindow = 64;

    std::optional<Packet> Read(const uint8_t* data, size_t size, uint32_t currentFrame);
    const DroppedPackets& Dropped() const { return dropped_; }

private:
    DroppedPackets dropped_;
};

}  // namespace Engine::net
