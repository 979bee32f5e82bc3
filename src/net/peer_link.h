#pragma once
// What a lockstep session needs from the network: one peer to send packets to and
// the packets and connection changes that arrived. NetHost is the real one (ENet
// over UDP); tests and benchmarks may put anything behind it.

#include <cstdint>
#include <vector>

namespace Engine::net {

enum class Delivery : uint8_t {
    Reliable,    // arrives once and in order (handshake, hashes, goodbye)
    Unreliable,  // may be lost or reordered (inputs, which are sent redundantly)
};

struct LinkEvent {
    enum class Kind : uint8_t { Connected, Received, Disconnected };
    Kind kind = Kind::Received;
    std::vector<uint8_t> bytes;  // Received only
};

class PeerLink {
public:
    virtual ~PeerLink() = default;
    // Queues a packet for the peer; false when there is no peer to send to.
    virtual bool Send(const std::vector<uint8_t>& bytes, Delivery delivery) = 0;
    // Sends what is queued and appends what arrived since the last call.
    virtual void Poll(std::vector<LinkEvent>& events) = 0;
};

}  // namespace Engine::net
