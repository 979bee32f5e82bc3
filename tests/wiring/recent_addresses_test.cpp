// The recently joined online addresses: newest first, no repeats, five at most,
// junk lines left out, written atomically into a folder made on demand.
#include <gtest/gtest.h>

#include <fstream>

#include "support/scratch_dir.h"
#include "wiring/recent_addresses.h"

namespace {

using List = std::vector<std::string>;

TEST(RecentAddresses, JoiningMovesTheAddressToTheFrontAndKeepsFive) {
    const struct {
        List before;
        const char* joined;
        List after;
    } cases[] = {
        {{}, "a.example", {"a.example"}},
        {{"a", "b", "c"}, "c", {"c", "a", "b"}},
        {{"a", "b", "c", "d", "e"}, "f", {"f", "a", "b", "c", "d"}},
        {{"a", "b"}, "a", {"a", "b"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Engine::WithRecentAddress(c.before, c.joined), c.after) << c.joined;
}

TEST(RecentAddresses, SurviveAWriteAndSkipWhatCannotBeAnAddress) {
    TestSupport::ScratchDir dir;
    const std::string path = (dir.path() + "/new/folder/recent_addresses.txt");
    ASSERT_TRUE(Engine::WriteRecentAddresses(path, {"192.168.1.20", "friend.example:5000"}));
    EXPECT_EQ(Engine::ReadRecentAddresses(path), (List{"192.168.1.20", "friend.example:5000"}));

    std::ofstream(path) << "ok.example\n\nrm -rf /\nok.example\n" << std::string(80, 'x') << "\r\n[::1]:47360\r\n";
    EXPECT_EQ(Engine::ReadRecentAddresses(path), (List{"ok.example", "[::1]:47360"}));
    EXPECT_TRUE(Engine::ReadRecentAddresses((dir.path() + "/missing.txt")).empty());
}

}  // namespace
