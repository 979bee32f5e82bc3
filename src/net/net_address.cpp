#include "net/net_address.h"

#include <cstdlib>

namespace Engine::net {

bool SplitHostAndPort(const std::string& text, std::string& host, uint16_t& port) {
    const size_t colon = text.rfind(':');
    host = text.substr(0, colon);
    port = kDefaultPort;
    if (colon != std::string::npos) {
        const std::string digits = text.substr(colon + 1);
        if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const long value = std::strtol(digits.c_str(), nullptr, 10);
        if (value < 1 || value > 65535) return false;
        port = static_cast<uint16_t>(value);
    }
    return !host.empty();
}

}  // namespace Engine::net
