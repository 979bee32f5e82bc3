#pragma once
// One end of an online game over ENet: a host that listens on a port for one
// guest, or a guest that connects to a host by name or address and port. Owns the
// ENet host (destroyed with the object) and its one peer (disconnected at once
// when the object goes, so the other side hears the end instead of waiting).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "net/enet_library.h"
#include "net/peer_link.h"

struct _ENetHost;
struct _ENetPeer;

namespace Engine::net {

class NetHost final : public PeerLink {
public:
    // Listens on bindAddress:port ("" = every address of the machine) for one
    // guest. Empty with one line on standard output when the port cannot be opened.
    static std::unique_ptr<NetHost> Listen(const EnetLibrary& library, uint16_t port,
                                           const std::string& bindAddress = "");
    // Starts connecting to hostName:port; the link reports Connected once the host
    // answers. Empty with one line when the name does not resolve.
    static std::unique_ptr<NetHost> Connect(const EnetLibrary& library, const std::string& hostName, uint16_t port);

    ~NetHost() override;
    NetHost(const NetHost&) = delete;
    NetHost& operator=(const NetHost&) = delete;

    bool Send(const std::vector<uint8_t>& bytes, Delivery delivery) override;
    void Poll(std::vector<LinkEvent>& events) override;

    // Says goodbye to the peer and waits up to timeoutMs for it to hear it.
    void Disconnect(uint32_t timeoutMs);

    bool HasPeer() const { return peer_ != nullptr; }
    // The port this end is bound to (the chosen one when 0 was asked for).
    uint16_t LocalPort() const;

private:
    struct HostDeleter {
        void operator()(_ENetHost* host) const;
    };
    explicit NetHost(_ENetHost* host, bool listening) : host_(host), listening_(listening) {}

    std::unique_ptr<_ENetHost, HostDeleter> host_;
    _ENetPeer* peer_ = nullptr;  // owned by host_: ENet keeps its peers in the host
    bool listening_ = false;
};

}  // namespace Engine::net
