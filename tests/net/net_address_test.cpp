// What a player types to join: a name or address, and maybe a port.
#include <gtest/gtest.h>

#include "net/net_address.h"

namespace {

struct AddressCase {
    const char* typed;
    bool valid;
    const char* host;
    uint16_t port;
};

TEST(NetAddress, TypedAddressesSplitIntoHostAndPort) {
    const AddressCase cases[] = {
        {"127.0.0.1", true, "127.0.0.1", Engine::net::kDefaultPort},
        {"friend.example:5000", true, "friend.example", 5000},
        {"localhost:65535", true, "localhost", 65535},
        {"localhost:0", false, "localhost", 0},
        {"localhost:65536", false, "localhost", 0},
        {"localhost:", false, "localhost", 0},
        {"localhost:12a", false, "localhost", 0},
        {":47360", false, "", 0},
        {"", false, "", 0},
    };
    for (const AddressCase& c : cases) {
        std::string host;
        uint16_t port = 0;
        EXPECT_EQ(Engine::net::SplitHostAndPort(c.typed, host, port), c.valid) << c.typed;
        if (!c.valid) continue;
        EXPECT_EQ(host, c.host) << c.typed;
        EXPECT_EQ(port, c.port) << c.typed;
    }
}

}  // namespace
