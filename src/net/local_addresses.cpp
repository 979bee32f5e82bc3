#include "net/local_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <memory>

namespace Engine::net {

std::vector<std::string> LocalAddresses() {
    std::vector<std::string> found;
    ifaddrs* raw = nullptr;
    if (getifaddrs(&raw) != 0) return found;
    const std::unique_ptr<ifaddrs, void (*)(ifaddrs*)> list(raw, &freeifaddrs);
    for (const ifaddrs* entry = list.get(); entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
        if ((entry->ifa_flags & IFF_LOOPBACK) || !(entry->ifa_flags & IFF_UP)) continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        if (!inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) continue;
        if (std::find(found.begin(), found.end(), text) == found.end()) found.emplace_back(text);
    }
    return found;
}

}  // namespace Engine::net
