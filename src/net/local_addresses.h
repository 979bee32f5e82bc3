#pragma once
// The addresses a friend can reach this machine at: its network interfaces'
// IPv4 addresses, loopback left out.

#include <string>
#include <vector>

namespace Engine::net {

std::vector<std::string> LocalAddresses();

}  // namespace Engine::net
