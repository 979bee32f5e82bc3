#include "net/net_host.h"

#include <enet/enet.h>

#include <iostream>

namespace Engine::net {

namespace {

constexpr size_t kChannels = 2;  // 0: reliable, 1: inputs
// The session ends a silent peer itself (after its own, injectable, timeout), so
// ENet's own give-up time is set well beyond it.
constexpr enet_uint32 kEnetTimeoutMs = 60000;

void QuietPeer(ENetPeer* peer) { enet_peer_timeout(peer, 0, kEnetTimeoutMs, kEnetTimeoutMs); }

}  // namespace

void NetHost::HostDeleter::operator()(_ENetHost* host) const { enet_host_destroy(host); }

std::unique_ptr<NetHost> NetHost::Listen(const EnetLibrary& library, uint16_t port, const std::string& bindAddress) {
    if (!library.Ready()) return nullptr;
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    if (!bindAddress.empty() && enet_address_set_host_ip(&address, bindAddress.c_str()) != 0) {
        std::cout << "Cannot listen on " << bindAddress << ": not an address" << std::endl;
        return nullptr;
    }
    ENetHost* host = enet_host_create(&address, 1, kChannels, 0, 0);
    if (!host) {
        std::cout << "Cannot listen on port " << port << ": it is in use or not allowed" << std::endl;
        return nullptr;
    }
    return std::unique_ptr<NetHost>(new NetHost(host, true));
}

std::unique_ptr<NetHost> NetHost::Connect(const EnetLibrary& library, const std::string& hostName, uint16_t port) {
    if (!library.Ready()) return nullptr;
    ENetAddress address{};
    if (enet_address_set_host(&address, hostName.c_str()) != 0) {
        std::cout << "Cannot find the host " << hostName << std::endl;
        return nullptr;
    }
    address.port = port;
    ENetHost* host = enet_host_create(nullptr, 1, kChannels, 0, 0);
    if (!host) {
        std::cout << "Cannot open a network socket" << std::endl;
        return nullptr;
    }
    std::unique_ptr<NetHost> result(new NetHost(host, false));
    result->peer_ = enet_host_connect(host, &address, kChannels, 0);
    if (!result->peer_) {
        std::cout << "Cannot connect to " << hostName << ":" << port << std::endl;
        return nullptr;
    }
    QuietPeer(result->peer_);
    return result;
}

NetHost::~NetHost() {
    if (peer_) {
        enet_peer_disconnect_now(peer_, 0);
        enet_host_flush(host_.get());
    }
}

uint16_t NetHost::LocalPort() const { return host_->address.port; }

bool NetHost::Send(const std::vector<uint8_t>& bytes, Delivery delivery) {
    if (!peer_ || peer_->state != ENET_PEER_STATE_CONNECTED) return false;
    const bool reliable = delivery == Delivery::Reliable;
    ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(),
                                            reliable ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNSEQUENCED);
    if (!packet) return false;
    // On success ENet owns the packet; otherwise it is still ours.
    if (enet_peer_send(peer_, reliable ? 0 : 1, packet) != 0) {
        enet_packet_destroy(packet);
        return false;
    }
    return true;
}

void NetHost::Poll(std::vector<LinkEvent>& events) {
    ENetEvent event;
    // Bounded: a flood cannot keep the frame here.
    for (int i = 0; i < 256 && enet_host_service(host_.get(), &event, 0) > 0; ++i) {
        switch (event.type) {
            case ENET_EVENT_TYPE_CONNECT:
                if (listening_ && peer_ && peer_ != event.peer) {
                    enet_peer_disconnect_now(event.peer, 0);  // one guest at a time
                    break;
                }
                peer_ = event.peer;
                QuietPeer(peer_);
                events.push_back({LinkEvent::Kind::Connected, {}});
                break;
            case ENET_EVENT_TYPE_RECEIVE:
                if (event.peer == peer_)
                    events.push_back({LinkEvent::Kind::Received,
                                      std::vector<uint8_t>(event.packet->data,
                                                           event.packet->data + event.packet->dataLength)});
                enet_packet_destroy(event.packet);
                break;
            case ENET_EVENT_TYPE_DISCONNECT:
                if (event.peer == peer_) {
                    peer_ = nullptr;
                    events.push_back({LinkEvent::Kind::Disconnected, {}});
                }
                break;
            case ENET_EVENT_TYPE_NONE:
                break;
        }
    }
    enet_host_flush(host_.get());
}

void NetHost::Disconnect(uint32_t timeoutMs) {
    if (!peer_) return;
    enet_peer_disconnect_later(peer_, 0);
    ENetEvent event;
    const enet_uint32 start = enet_time_get();
    while (enet_time_get() - start < timeoutMs && enet_host_service(host_.get(), &event, 10) >= 0) {
        if (event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
        if (event.type == ENET_EVENT_TYPE_DISCONNECT && event.peer == peer_) {
            peer_ = nullptr;
            return;
        }
    }
    enet_peer_reset(peer_);
    peer_ = nullptr;
}

}  // namespace Engine::net
