#pragma once
// Where an online game meets: the default port and the address a host listens on.

#include <cstdint>
#include <string>

namespace Engine::net {

constexpr uint16_t kDefaultPort = 47360;

// Splits what a player typed, "name" or "name:port", into the host name (or
// address) and the port; kDefaultPort when no port is given. False for an empty
// name or a port that is not a number in 1..65535.
bool SplitHostAndPort(const std::string& text, std::string& host, uint16_t& port);

}  // namespace Engine::net
