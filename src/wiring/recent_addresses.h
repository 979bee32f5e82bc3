#pragma once
// The addresses last joined online, newest first, one a line in a small text
// file of the player's config folder; the Online screen offers them again.

#include <string>
#include <vector>

namespace Engine {

constexpr size_t kRecentAddressCount = 5;

// The file's addresses (blank lines and lines that cannot be an address left
// out, at most kRecentAddressCount); none when the file is missing.
std::vector<std::string> ReadRecentAddresses(const std::string& path);

// `address` moved (or added) to the front, the list cut to kRecentAddressCount.
std::vector<std::string> WithRecentAddress(std::vector<std::string> list, const std::string& address);

// Writes the list atomically, making the folder when it is missing; one line on
// standard output when it cannot.
bool WriteRecentAddresses(const std::string& path, const std::vector<std::string>& list);

// Letters, digits and . : - [ ] only, 1..64 characters: what a host name, an
// IPv4 or IPv6 address and a port are made of.
bool LooksLikeAddress(const std::string& text);

}  // namespace Engine
