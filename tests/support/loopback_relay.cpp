#include "support/loopback_relay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <queue>
#include <random>
#include <vector>

namespace tests {

namespace {

using Clock = std::chrono::steady_clock;

sockaddr_in Loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

int LoopbackSocket(uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    const sockaddr_in address = Loopback(port);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

struct Held {
    Clock::time_point due;
    uint64_t order;
    bool toHost;
    std::vector<uint8_t> bytes;
    bool operator>(const Held& o) const { return due != o.due ? due > o.due : order > o.order; }
};

}  // namespace

LoopbackRelay::LoopbackRelay(uint16_t hostPort, RelayConditions conditions)
    : hostPort_(hostPort), conditions_(conditions) {
    front_ = LoopbackSocket(0);
    back_ = LoopbackSocket(0);
    if (front_ < 0 || back_ < 0) return;
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    ::getsockname(front_, reinterpret_cast<sockaddr*>(&bound), &length);
    port_ = ntohs(bound.sin_port);
    thread_ = std::thread([this] { Run(); });
}

LoopbackRelay::~LoopbackRelay() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (front_ >= 0) ::close(front_);
    if (back_ >= 0) ::close(back_);
}

void LoopbackRelay::Run() {
    std::mt19937 random(conditions_.seed);
    std::uniform_real_distribution<double> share(0.0, 1.0);
    std::uniform_int_distribution<int> jitter(-conditions_.jitterMs, conditions_.jitterMs);
    std::priority_queue<Held, std::vector<Held>, std::greater<Held>> held;
    uint64_t order = 0;
    sockaddr_in guest{};
    bool guestKnown = false;
    const sockaddr_in host = Loopback(hostPort_);
    std::vector<uint8_t> buffer(65536);
    uint64_t lastSent[2] = {0, 0};  // one past the latest order sent each way

    while (!stop_) {
        pollfd fds[2] = {{front_, POLLIN, 0}, {back_, POLLIN, 0}};
        ::poll(fds, 2, 1);
        for (int side = 0; side < 2; ++side) {
            if (!(fds[side].revents & POLLIN)) continue;
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t got = ::recvfrom(fds[side].fd, buffer.data(), buffer.size(), 0,
                                           reinterpret_cast<sockaddr*>(&from), &length);
            if (got < 0) continue;
            // Only loopback traffic is ever relayed.
            if (from.sin_addr.s_addr != htonl(INADDR_LOOPBACK)) continue;
            if (side == 0) {
                guest = from;
                guestKnown = true;
            }
            if (dropAll_ || share(random) < conditions_.dropShare) {
                ++dropped_;
                continue;
            }
            const auto delay = std::chrono::milliseconds(conditions_.delayMs + jitter(random));
            held.push({Clock::now() + delay, order++, side == 0,
                       std::vector<uint8_t>(buffer.begin(), buffer.begin() + got)});
        }
        const Clock::time_point now = Clock::now();
        while (!held.empty() && held.top().due <= now) {
            const Held& packet = held.top();
            uint64_t& last = lastSent[packet.toHost ? 1 : 0];
            if (packet.order + 1 < last) ++reordered_;
            else last = packet.order + 1;
            if (dropAll_) {
                ++dropped_;
            } else if (packet.toHost) {
                ::sendto(back_, packet.bytes.data(), packet.bytes.size(), 0,
                         reinterpret_cast<const sockaddr*>(&host), sizeof host);
                ++forwarded_;
            } else if (guestKnown) {
                ::sendto(front_, packet.bytes.data(), packet.bytes.size(), 0,
                         reinterpret_cast<const sockaddr*>(&guest), sizeof guest);
                ++forwarded_;
            }
            held.pop();
        }
    }
}

}  // namespace tests
