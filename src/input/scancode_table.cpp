#include "input/scancode_table.h"

namespace Engine {

namespace {

constexpr ScancodeBinding kBindings[] = {
    // Letters: SDL numbers them A..Z consecutively, the codes are ASCII.
    {SDL_SCANCODE_A, 'A'}, {SDL_SCANCODE_B, 'B'}, {SDL_SCANCODE_C, 'C'}, {SDL_SCANCODE_D, 'D'},
    {SDL_SCANCODE_E, 'E'}, {SDL_SCANCODE_F, 'F'}, {SDL_SCANCODE_G, 'G'}, {SDL_SCANCODE_H, 'H'},
    {SDL_SCANCODE_I, 'I'}, {SDL_SCANCODE_J, 'J'}, {SDL_SCANCODE_K, 'K'}, {SDL_SCANCODE_L, 'L'},
    {SDL_SCANCODE_M, 'M'}, {SDL_SCANCODE_N, 'N'}, {SDL_SCANCODE_O, 'O'}, {SDL_SCANCODE_P, 'P'},
    {SDL_SCANCODE_Q, 'Q'}, {SDL_SCANCODE_R, 'R'}, {SDL_SCANCODE_S, 'S'}, {SDL_SCANCODE_T, 'T'},
    {SDL_SCANCODE_U, 'U'}, {SDL_SCANCODE_V, 'V'}, {SDL_SCANCODE_W, 'W'}, {SDL_SCANCODE_X, 'X'},
    {SDL_SCANCODE_Y, 'Y'}, {SDL_SCANCODE_Z, 'Z'},

    // Digit row. SDL puts 0 after 9; the codes are ASCII '0'..'9'.
    {SDL_SCANCODE_1, '1'}, {SDL_SCANCODE_2, '2'}, {SDL_SCANCODE_3, '3'}, {SDL_SCANCODE_4, '4'},
    {SDL_SCANCODE_5, '5'}, {SDL_SCANCODE_6, '6'}, {SDL_SCANCODE_7, '7'}, {SDL_SCANCODE_8, '8'},
    {SDL_SCANCODE_9, '9'}, {SDL_SCANCODE_0, '0'},

    {SDL_SCANCODE_RETURN, VK_RETURN},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},
    {SDL_SCANCODE_BACKSPACE, VK_BACK},
    {SDL_SCANCODE_TAB, VK_TAB},
    {SDL_SCANCODE_SPACE, VK_SPACE},

    // Punctuation, named after the US layout's keys.
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},
    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
    {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5},
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},
    {SDL_SCANCODE_GRAVE, VK_OEM_3},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
    {SDL_SCANCODE_SLASH, VK_OEM_2},

    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL},

    {SDL_SCANCODE_F1, VK_F1}, {SDL_SCANCODE_F2, FunctionKey(2)}, {SDL_SCANCODE_F3, FunctionKey(3)},
    {SDL_SCANCODE_F4, FunctionKey(4)}, {SDL_SCANCODE_F5, FunctionKey(5)}, {SDL_SCANCODE_F6, FunctionKey(6)},
    {SDL_SCANCODE_F7, FunctionKey(7)}, {SDL_SCANCODE_F8, FunctionKey(8)}, {SDL_SCANCODE_F9, FunctionKey(9)},
    {SDL_SCANCODE_F10, FunctionKey(10)}, {SDL_SCANCODE_F11, FunctionKey(11)}, {SDL_SCANCODE_F12, VK_F12},

    {SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL},
    {SDL_SCANCODE_PAUSE, VK_PAUSE},
    {SDL_SCANCODE_INSERT, VK_INSERT},
    {SDL_SCANCODE_HOME, VK_HOME},
    {SDL_SCANCODE_PAGEUP, VK_PRIOR},
    {SDL_SCANCODE_DELETE, VK_DELETE},
    {SDL_SCANCODE_END, VK_END},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT},

    {SDL_SCANCODE_RIGHT, VK_RIGHT},
    {SDL_SCANCODE_LEFT, VK_LEFT},
    {SDL_SCANCODE_DOWN, VK_DOWN},
    {SDL_SCANCODE_UP, VK_UP},

    // Keypad. Its Enter is the same key as Return to the game.
    {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE},
    {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT},
    {SDL_SCANCODE_KP_PLUS, VK_ADD},
    {SDL_SCANCODE_KP_ENTER, VK_RETURN},
    {SDL_SCANCODE_KP_1, VK_NUMPAD0 + 1}, {SDL_SCANCODE_KP_2, VK_NUMPAD0 + 2},
    {SDL_SCANCODE_KP_3, VK_NUMPAD0 + 3}, {SDL_SCANCODE_KP_4, VK_NUMPAD0 + 4},
    {SDL_SCANCODE_KP_5, VK_NUMPAD0 + 5}, {SDL_SCANCODE_KP_6, VK_NUMPAD0 + 6},
    {SDL_SCANCODE_KP_7, VK_NUMPAD0 + 7}, {SDL_SCANCODE_KP_8, VK_NUMPAD0 + 8},
    {SDL_SCANCODE_KP_9, VK_NUMPAD0 + 9}, {SDL_SCANCODE_KP_0, VK_NUMPAD0},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL},

    {SDL_SCANCODE_APPLICATION, VK_APPS},

    // Modifiers keep their side here; the side-less codes are derived below.
    {SDL_SCANCODE_LCTRL, VK_LCONTROL},
    {SDL_SCANCODE_LSHIFT, VK_LSHIFT},
    {SDL_SCANCODE_LALT, VK_LMENU},
    {SDL_SCANCODE_LGUI, VK_LWIN},
    {SDL_SCANCODE_RCTRL, VK_RCONTROL},
    {SDL_SCANCODE_RSHIFT, VK_RSHIFT},
    {SDL_SCANCODE_RALT, VK_RMENU},
    {SDL_SCANCODE_RGUI, VK_RWIN},
};

struct ModifierSides {
    VirtualKey generic, left, right;
};

constexpr ModifierSides kModifiers[] = {
    {VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
    {VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
    {VK_MENU, VK_LMENU, VK_RMENU},
};

const ModifierSides* FindModifier(VirtualKey generic) {
    for (const ModifierSides& m : kModifiers)
        if (m.generic == generic) return &m;
    return nullptr;
}

bool IsScancodeDown(const uint8_t* keyboardState, int count, SDL_Scancode scancode) {
    const int index = static_cast<int>(scancode);
    return index >= 0 && index < count && keyboardState[index] != 0;
}

}  // namespace

ScancodeTable AllScancodeBindings() { return {kBindings, sizeof(kBindings) / sizeof(kBindings[0])}; }

VirtualKey VirtualKeyForScancode(SDL_Scancode scancode) {
    for (const ScancodeBinding& binding : kBindings)
        if (binding.scancode == scancode) return binding.key;
    return 0;
}

VirtualKey MessageVirtualKeyForScancode(SDL_Scancode scancode) {
    const VirtualKey key = VirtualKeyForScancode(scancode);
    for (const ModifierSides& m : kModifiers)
        if (key == m.left || key == m.right) return m.generic;
    return key;
}

bool IsSideOfModifier(VirtualKey generic, VirtualKey sided) {
    const ModifierSides* m = FindModifier(generic);
    return m && (sided == m->left || sided == m->right);
}

bool IsVirtualKeyDown(const uint8_t* keyboardState, int count, VirtualKey key) {
    if (!keyboardState || key == 0) return false;
    const ModifierSides* modifier = FindModifier(key);
    for (const ScancodeBinding& binding : kBindings) {
        const bool matches = modifier ? (binding.key == modifier->left || binding.key == modifier->right)
                                      : binding.key == key;
        if (matches && IsScancodeDown(keyboardState, count, binding.scancode)) return true;
    }
    return false;
}

}  // namespace Engine
