#pragma once

#include <string>

namespace Engine {

// What the title's Online screen asks of the wiring: to leave the menus and run
// a lockstep game as host or guest, and what the last online game ended with
// (shown when the game comes back to that screen).
struct OnlineRequest {
    bool pending = false;
    bool host = false;
    std::string joinAddress;  // "name" or "name:port" when joining
    int inputDelay = 3;
    int hostPort = 0;  // the port to host on (0: the usual one)
    // Why the last online game ended; empty before the first one.
    std::string lastEnd;
    // Where the recently joined addresses are kept (empty: not kept).
    std::string recentAddressesFile;
};

}  // namespace Engine
