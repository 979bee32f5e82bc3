#include "api/online.h"

#include <algorithm>

#include "api/script_api.h"
#include "core/core.h"
#include "net/local_addresses.h"
#include "net/net_address.h"
#include "wiring/recent_addresses.h"

namespace api {

namespace {
Engine::OnlineRequest* Request() { return Engine::Core::instance ? &Engine::Core::instance->online : nullptr; }

void Start(bool host, const std::string& address, int port, int inputDelay) {
    Engine::OnlineRequest* request = Request();
    if (!request) return;
    request->pending = true;
    request->host = host;
    request->joinAddress = address;
    KeepOnlineChoices(port, inputDelay);
    Quit();
}
}  // namespace

int OnlinePort() { return Engine::net::kDefaultPort; }

int ChosenHostPort() {
    const Engine::OnlineRequest* request = Request();
    return request && request->hostPort != 0 ? request->hostPort : OnlinePort();
}

int ChosenInputDelay() {
    const Engine::OnlineRequest* request = Request();
    return request ? std::clamp(request->inputDelay, kLeastInputDelay, kMostInputDelay) : 3;
}

void KeepOnlineChoices(int port, int inputDelay) {
    Engine::OnlineRequest* request = Request();
    if (!request) return;
    request->hostPort = std::clamp(port, kLowestOnlinePort, kHighestOnlinePort);
    request->inputDelay = std::clamp(inputDelay, kLeastInputDelay, kMostInputDelay);
}

std::vector<std::string> HostAddresses() { return Engine::net::LocalAddresses(); }

std::vector<std::string> RecentAddresses() {
    const Engine::OnlineRequest* request = Request();
    return request ? Engine::ReadRecentAddresses(request->recentAddressesFile) : std::vector<std::string>{};
}

bool JoinableAddress(const std::string& text) { return Engine::LooksLikeAddress(text); }

void HostOnline(int inputDelay, int port) {
    Start(true, std::string(), port, inputDelay);
}

void JoinOnline(const std::string& address, int inputDelay) {
    if (const Engine::OnlineRequest* request = Request(); request && !request->recentAddressesFile.empty())
        Engine::WriteRecentAddresses(request->recentAddressesFile,
                                     Engine::WithRecentAddress(RecentAddresses(), address));
    Start(false, address, ChosenHostPort(), inputDelay);
}

std::string TakeOnlineEnd() {
    Engine::OnlineRequest* request = Request();
    if (!request) return std::string();
    std::string line;
    line.swap(request->lastEnd);
    return line;
}

bool OnlineEndWaiting() {
    const Engine::OnlineRequest* request = Request();
    return request && !request->lastEnd.empty();
}

}  // namespace api
