#include "wiring/recent_addresses.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "objects/atomic_file.h"

namespace Engine {

bool LooksLikeAddress(const std::string& text) {
    if (text.empty() || text.size() > 64) return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == ':' || c == '-' || c == '[' || c == ']';
    });
}

std::vector<std::string> ReadRecentAddresses(const std::string& path) {
    std::vector<std::string> list;
    if (path.empty()) return list;
    std::ifstream file(path);
    std::string line;
    while (list.size() < kRecentAddressCount && std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (LooksLikeAddress(line) && std::find(list.begin(), list.end(), line) == list.end()) list.push_back(line);
    }
    return list;
}

std::vector<std::string> WithRecentAddress(std::vector<std::string> list, const std::string& address) {
    list.erase(std::remove(list.begin(), list.end(), address), list.end());
    list.insert(list.begin(), address);
    if (list.size() > kRecentAddressCount) list.resize(kRecentAddressCount);
    return list;
}

bool WriteRecentAddresses(const std::string& path, const std::vector<std::string>& list) {
    if (path.empty()) return false;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    std::string content;
    for (const std::string& address : list) content += address + "\n";
    if (WriteFileAtomically(path, content)) return true;
    std::cout << "Cannot keep the recent online addresses in " << path << std::endl;
    return false;
}

}  // namespace Engine
