#pragma once
// A UDP forwarder on 127.0.0.1 for the online tests: the guest talks to the
// relay's port, the relay talks to the host's. Each packet is held for a delay
// with jitter (which also reorders them), a share of them is lost, and
// DropEverything() makes it a cut cable. It runs on its own thread until it is
// destroyed.

#include <atomic>
#include <cstdint>
#include <thread>

namespace tests {

struct RelayConditions {
    int delayMs = 50;       // each way
    int jitterMs = 20;      // plus or minus
    double dropShare = 0.05;
    uint32_t seed = 7;
};

class LoopbackRelay {
public:
    LoopbackRelay(uint16_t hostPort, RelayConditions conditions);
    ~LoopbackRelay();
    LoopbackRelay(const LoopbackRelay&) = delete;
    LoopbackRelay& operator=(const LoopbackRelay&) = delete;

    // The port the guest connects to (0 when the relay could not open its sockets).
    uint16_t Port() const { return port_; }
    void DropEverything() { dropAll_ = true; }
    int Forwarded() const { return forwarded_; }
    int Dropped() const { return dropped_; }
    // Packets delivered after one that had come in later the same way.
    int Reordered() const { return reordered_; }

private:
    void Run();

    uint16_t hostPort_;
    RelayConditions conditions_;
    int front_ = -1;  // faces the guest
    int back_ = -1;   // faces the host
    uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> dropAll_{false};
    std::atomic<int> forwarded_{0};
    std::atomic<int> dropped_{0};
    std::atomic<int> reordered_{0};
    std::thread thread_;
};

}  // namespace tests
