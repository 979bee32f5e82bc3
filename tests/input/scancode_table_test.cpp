#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "input/scancode_table.h"

using namespace Engine;

namespace {

struct GameKey {
    SDL_Scancode scancode;
    VirtualKey key;
    const char* name;
};

// Every key the game binds, with the code its bindings use.
std::vector<GameKey> GameKeys() {
    std::vector<GameKey> keys;
    for (int i = 0; i < 26; ++i)
        keys.push_back({static_cast<SDL_Scancode>(SDL_SCANCODE_A + i), static_cast<VirtualKey>(0x41 + i), "letter"});
    for (int i = 1; i <= 9; ++i)
        keys.push_back({static_cast<SDL_Scancode>(SDL_SCANCODE_1 + i - 1), static_cast<VirtualKey>(0x30 + i), "digit"});
    keys.push_back({SDL_SCANCODE_0, 0x30, "digit 0"});
    for (int i = 0; i < 12; ++i)
        keys.push_back({static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + i), static_cast<VirtualKey>(0x70 + i), "F key"});
    const GameKey named[] = {
        {SDL_SCANCODE_LEFT, 0x25, "left"},         {SDL_SCANCODE_UP, 0x26, "up"},
        {SDL_SCANCODE_RIGHT, 0x27, "right"},       {SDL_SCANCODE_DOWN, 0x28, "down"},
        {SDL_SCANCODE_ESCAPE, 0x1B, "escape"},     {SDL_SCANCODE_RETURN, 0x0D, "enter"},
        {SDL_SCANCODE_SPACE, 0x20, "space"},       {SDL_SCANCODE_LSHIFT, 0xA0, "left shift"},
        {SDL_SCANCODE_RSHIFT, 0xA1, "right shift"}, {SDL_SCANCODE_LCTRL, 0xA2, "left control"},
        {SDL_SCANCODE_RCTRL, 0xA3, "right control"}, {SDL_SCANCODE_SLASH, 0xBF, "slash"},
        {SDL_SCANCODE_PERIOD, 0xBE, "full stop"},  {SDL_SCANCODE_COMMA, 0xBC, "comma"},
    };
    keys.insert(keys.end(), std::begin(named), std::end(named));
    return keys;
}

// A keyboard snapshot shaped like SDL_GetKeyboardState's.
struct Keyboard {
    std::array<uint8_t, SDL_NUM_SCANCODES> state{};
    bool Down(VirtualKey key) const { return IsVirtualKeyDown(state.data(), SDL_NUM_SCANCODES, key); }
};

}  // namespace

TEST(ScancodeTableTest, EveryGameKeyMapsToItsCodeAndReadsAloneAsDown) {
    const std::vector<GameKey> keys = GameKeys();
    for (const GameKey& pressed : keys) {
        EXPECT_EQ(VirtualKeyForScancode(pressed.scancode), pressed.key) << pressed.name << " " << pressed.key;
        Keyboard keyboard;
        keyboard.state[pressed.scancode] = 1;
        for (const GameKey& other : keys)
            EXPECT_EQ(keyboard.Down(other.key), other.key == pressed.key)
                << "pressing " << pressed.name << " 0x" << std::hex << pressed.key << ", asking 0x" << other.key;
    }
}

TEST(ScancodeTableTest, EachScancodeAppearsOnce) {
    std::set<SDL_Scancode> seen;
    for (const ScancodeBinding& binding : AllScancodeBindings()) {
        EXPECT_TRUE(seen.insert(binding.scancode).second) << "scancode " << binding.scancode << " bound twice";
        EXPECT_NE(binding.key, 0);
    }
}

TEST(ScancodeTableTest, SidelessModifiersAreDownWhenEitherSideIs) {
    struct Case {
        SDL_Scancode scancode;
        VirtualKey sideless;
        VirtualKey otherSide;
    };
    const Case cases[] = {
        {SDL_SCANCODE_LSHIFT, 0x10, 0xA1}, {SDL_SCANCODE_RSHIFT, 0x10, 0xA0},
        {SDL_SCANCODE_LCTRL, 0x11, 0xA3},  {SDL_SCANCODE_RCTRL, 0x11, 0xA2},
        {SDL_SCANCODE_LALT, 0x12, 0xA5},   {SDL_SCANCODE_RALT, 0x12, 0xA4},
    };
    for (const Case& c : cases) {
        Keyboard keyboard;
        keyboard.state[c.scancode] = 1;
        EXPECT_TRUE(keyboard.Down(c.sideless)) << c.scancode;
        EXPECT_FALSE(keyboard.Down(c.otherSide)) << c.scancode;
        // Key-down messages carry the side-less code.
        EXPECT_EQ(MessageVirtualKeyForScancode(c.scancode), c.sideless);
    }
    EXPECT_EQ(MessageVirtualKeyForScancode(SDL_SCANCODE_W), 'W');
}

TEST(ScancodeTableTest, KeypadEnterIsReturnAndUnknownKeysReadUp) {
    Keyboard keyboard;
    keyboard.state[SDL_SCANCODE_KP_ENTER] = 1;
    EXPECT_TRUE(keyboard.Down(VK_RETURN));

    EXPECT_EQ(VirtualKeyForScancode(SDL_SCANCODE_UNKNOWN), 0);
    keyboard.state[SDL_SCANCODE_AUDIOPLAY] = 1;  // no code of its own
    EXPECT_FALSE(keyboard.Down(0));

    // A snapshot shorter than the table (or none) answers up, never reads past its end.
    const uint8_t shortState[4] = {1, 1, 1, 1};
    EXPECT_FALSE(IsVirtualKeyDown(shortState, 4, VK_SPACE));
    EXPECT_FALSE(IsVirtualKeyDown(nullptr, 0, VK_SPACE));
}
