#pragma once
// What each player presses for each thing the game lets them do: one keyboard
// key and one pad control per player and action. The birds and the menus ask
// for actions, never for keys, so a rebinding reaches every screen at once.
//
// Two groups of actions share keys on purpose: the bird's actions (flap ..
// pause) and the menu's (up .. back) are never asked in the same moment, so W
// may flap in a match and move up in a menu. Inside one group a key belongs to
// one action of one player, except that both players may share their pause
// and back keys (Escape by default), which mean the same to the game whoever
// presses them.

#include <array>
#include <optional>
#include <string>

#include "input/virtual_keys.h"

namespace Engine {

enum class Action : int {
    kFlap,
    kWalkLeft,
    kWalkRight,
    kPeck,
    kDung,
    kSkill,
    kUltimate,
    kPause,
    kMenuUp,
    kMenuDown,
    kMenuLeft,
    kMenuRight,
    kMenuConfirm,
    kMenuBack,
};
constexpr int kActionCount = 14;
constexpr int kActionPlayers = 2;

// A pad control: the fourteen buttons by their gamepad index (gamepad_state.h),
// then the triggers and the left stick's four directions.
enum PadControl : int {
    kPadNone = -1,
    kPadLeftTrigger = 14,
    kPadRightTrigger = 15,
    kPadStickLeft = 16,
    kPadStickRight = 17,
    kPadStickUp = 18,
    kPadStickDown = 19,
};
constexpr int kPadControlCount = 20;

struct Binding {
    VirtualKey key = 0;  // 0: no key
    int pad = kPadNone;
    bool operator==(const Binding& other) const { return key == other.key && pad == other.pad; }
};

// The action's name in the settings file ("Flap", "MenuUp") and on screen ("Flap", "Menu up").
const char* ActionName(Action action);
const char* ActionLabel(Action action);
std::optional<Action> ActionNamed(const std::string& name);
Action ActionAt(int index);
bool IsMenuAction(Action action);

class ActionMap {
public:
    // Today's bindings: player 1 on the letters, player 2 on the arrows and the
    // keys around the right Shift, both on the same pad layout.
    ActionMap();
    static Binding DefaultBinding(int player, Action action);

    // `player` 1 or 2; any other number reads player 1's pad and no key.
    Binding Get(int player, Action action) const;
    VirtualKey KeyOf(int player, Action action) const { return Get(player, action).key; }
    int PadOf(int player, Action action) const { return Get(player, action).pad; }

    struct Holder {
        int player;
        Action action;
    };
    // Who else holds `key` in the same group of actions, if anyone would clash
    // with giving it to (player, action).
    std::optional<Holder> KeyHolder(int player, Action action, VirtualKey key) const;
    // Pads belong to one player each, so only that player's own actions clash.
    std::optional<Holder> PadHolder(int player, Action action, int pad) const;

    // Give the key (or pad control) to the action; refused (false) when another
    // holds it. The swapping forms hand the holder the action's old binding.
    bool SetKey(int player, Action action, VirtualKey key);
    bool SetPad(int player, Action action, int pad);
    void SwapKey(int player, Action action, VirtualKey key);
    void SwapPad(int player, Action action, int pad);
    void RestoreDefaults(int player);

    bool operator==(const ActionMap& other) const { return bindings_ == other.bindings_; }
    bool operator!=(const ActionMap& other) const { return !(*this == other); }

private:
    Binding& At(int player, Action action);
    std::array<std::array<Binding, kActionCount>, kActionPlayers> bindings_;
};

// Short names for keys and pad controls, as prompts show them and the settings
// file stores them ("W", "Left Shift", "/", "RT", "Stick Left"). Unknown keys
// read "Key 0x5F"; names round-trip through the *Named functions (0 / kPadNone
// for a name nobody knows).
std::string KeyName(VirtualKey key);
VirtualKey KeyNamed(const std::string& name);
std::string PadControlName(int pad);
int PadControlNamed(const std::string& name);

}  // namespace Engine
