#include "input/action_map.h"

#include <cstdio>
#include <cstdlib>

#include "input/gamepad_state.h"

namespace Engine {

namespace {

struct ActionText {
    const char* name;
    const char* label;
};

constexpr ActionText kActionTexts[kActionCount] = {
    {"Flap", "Flap"},           {"WalkLeft", "Walk left"},     {"WalkRight", "Walk right"},
    {"Peck", "Peck"},           {"Dung", "Dung"},              {"Skill", "Skill"},
    {"Ultimate", "Ultimate"},   {"Pause", "Pause"},            {"MenuUp", "Menu up"},
    {"MenuDown", "Menu down"},  {"MenuLeft", "Menu left"},     {"MenuRight", "Menu right"},
    {"MenuConfirm", "Confirm"}, {"MenuBack", "Back"},
};

// Player 1, player 2, in the order of Action.
constexpr VirtualKey kDefaultKeys[kActionPlayers][kActionCount] = {
    {'W', 'A', 'D', 'F', 'G', 'H', VK_LSHIFT, VK_ESCAPE, 'W', 'S', 'A', 'D', 'F', VK_ESCAPE},
    {VK_UP, VK_LEFT, VK_RIGHT, VK_OEM_2, VK_OEM_PERIOD, VK_OEM_COMMA, VK_RSHIFT, VK_ESCAPE, VK_UP, VK_DOWN, VK_LEFT,
     VK_RIGHT, VK_OEM_2, VK_ESCAPE},
};

constexpr int kDefaultPad[kActionCount] = {
    kButtonA,        kPadStickLeft,   kPadStickRight,   kPadRightTrigger, kPadLeftTrigger,
    kButtonX,        kButtonY,        kButtonStart,     kButtonDpadUp,    kButtonDpadDown,
    kButtonDpadLeft, kButtonDpadRight, kButtonA,        kButtonB,
};

bool ValidPlayer(int player) { return player >= 1 && player <= kActionPlayers; }
int Index(Action action) { return static_cast<int>(action); }

// Both players may keep the same key for these: they mean one thing to the game.
bool SharedBetweenPlayers(Action action) { return action == Action::kPause || action == Action::kMenuBack; }

struct KeyText {
    VirtualKey key;
    const char* name;
};

constexpr KeyText kKeyNames[] = {
    {VK_LEFT, "Left"},          {VK_RIGHT, "Right"},        {VK_UP, "Up"},           {VK_DOWN, "Down"},
    {VK_LSHIFT, "Left Shift"},  {VK_RSHIFT, "Right Shift"}, {VK_LCONTROL, "Left Ctrl"}, {VK_RCONTROL, "Right Ctrl"},
    {VK_LMENU, "Left Alt"},     {VK_RMENU, "Right Alt"},    {VK_SHIFT, "Shift"},     {VK_CONTROL, "Ctrl"},
    {VK_MENU, "Alt"},           {VK_SPACE, "Space"},        {VK_RETURN, "Enter"},    {VK_ESCAPE, "Escape"},
    {VK_TAB, "Tab"},            {VK_BACK, "Backspace"},     {VK_CAPITAL, "Caps Lock"}, {VK_INSERT, "Insert"},
    {VK_DELETE, "Delete"},      {VK_HOME, "Home"},          {VK_END, "End"},         {VK_PRIOR, "Page Up"},
    {VK_NEXT, "Page Down"},     {VK_OEM_1, ";"},            {VK_OEM_PLUS, "="},      {VK_OEM_COMMA, ","},
    {VK_OEM_MINUS, "-"},        {VK_OEM_PERIOD, "."},       {VK_OEM_2, "/"},         {VK_OEM_3, "`"},
    {VK_OEM_4, "["},            {VK_OEM_5, "\\"},           {VK_OEM_6, "]"},         {VK_OEM_7, "'"},
    {VK_MULTIPLY, "Num *"},     {VK_ADD, "Num +"},          {VK_SUBTRACT, "Num -"},  {VK_DECIMAL, "Num ."},
    {VK_DIVIDE, "Num /"},
};

constexpr const char* kPadNames[kPadControlCount] = {
    "A",     "B",     "X",     "Y",     "D-pad Up", "D-pad Down", "D-pad Left", "D-pad Right", "LB",         "RB",
    "L3",    "R3",    "Start", "Back",  "LT",       "RT",         "Stick Left", "Stick Right", "Stick Up",   "Stick Down",
};

}  // namespace

const char* ActionName(Action action) { return kActionTexts[Index(action)].name; }
const char* ActionLabel(Action action) { return kActionTexts[Index(action)].label; }

std::optional<Action> ActionNamed(const std::string& name) {
    for (int i = 0; i < kActionCount; ++i)
        if (name == kActionTexts[i].name) return ActionAt(i);
    return std::nullopt;
}

Action ActionAt(int index) { return static_cast<Action>(index); }

bool IsMenuAction(Action action) { return Index(action) >= Index(Action::kMenuUp); }

ActionMap::ActionMap() {
    for (int player = 1; player <= kActionPlayers; ++player) RestoreDefaults(player);
}

Binding ActionMap::DefaultBinding(int player, Action action) {
    Binding binding;
    binding.pad = kDefaultPad[Index(action)];
    if (ValidPlayer(player)) binding.key = kDefaultKeys[player - 1][Index(action)];
    return binding;
}

Binding ActionMap::Get(int player, Action action) const {
    if (ValidPlayer(player)) return bindings_[player - 1][Index(action)];
    Binding padOnly;
    padOnly.pad = bindings_[0][Index(action)].pad;
    return padOnly;
}

Binding& ActionMap::At(int player, Action action) { return bindings_[player - 1][Index(action)]; }

std::optional<ActionMap::Holder> ActionMap::KeyHolder(int player, Action action, VirtualKey key) const {
    if (key == 0) return std::nullopt;
    for (int other = 1; other <= kActionPlayers; ++other) {
        for (int i = 0; i < kActionCount; ++i) {
            const Action candidate = ActionAt(i);
            if (IsMenuAction(candidate) != IsMenuAction(action)) continue;
            if (candidate == action && (other == player || SharedBetweenPlayers(action))) continue;
            if (bindings_[other - 1][i].key == key) return Holder{other, candidate};
        }
    }
    return std::nullopt;
}

std::optional<ActionMap::Holder> ActionMap::PadHolder(int player, Action action, int pad) const {
    if (pad == kPadNone || !ValidPlayer(player)) return std::nullopt;
    for (int i = 0; i < kActionCount; ++i) {
        const Action candidate = ActionAt(i);
        if (candidate == action || IsMenuAction(candidate) != IsMenuAction(action)) continue;
        if (bindings_[player - 1][i].pad == pad) return Holder{player, candidate};
    }
    return std::nullopt;
}

bool ActionMap::SetKey(int player, Action action, VirtualKey key) {
    if (!ValidPlayer(player) || KeyHolder(player, action, key)) return false;
    At(player, action).key = key;
    return true;
}

bool ActionMap::SetPad(int player, Action action, int pad) {
    if (!ValidPlayer(player) || pad < 0 || pad >= kPadControlCount || PadHolder(player, action, pad)) return false;
    At(player, action).pad = pad;
    return true;
}

void ActionMap::SwapKey(int player, Action action, VirtualKey key) {
    if (!ValidPlayer(player)) return;
    if (const auto holder = KeyHolder(player, action, key)) At(holder->player, holder->action).key = KeyOf(player, action);
    At(player, action).key = key;
}

void ActionMap::SwapPad(int player, Action action, int pad) {
    if (!ValidPlayer(player) || pad < 0 || pad >= kPadControlCount) return;
    if (const auto holder = PadHolder(player, action, pad)) At(holder->player, holder->action).pad = PadOf(player, action);
    At(player, action).pad = pad;
}

void ActionMap::RestoreDefaults(int player) {
    if (!ValidPlayer(player)) return;
    for (int i = 0; i < kActionCount; ++i) bindings_[player - 1][i] = DefaultBinding(player, ActionAt(i));
}

std::string KeyName(VirtualKey key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F12) return "F" + std::to_string(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9) return "Num " + std::to_string(key - VK_NUMPAD0);
    for (const KeyText& entry : kKeyNames)
        if (entry.key == key) return entry.name;
    char text[16];
    std::snprintf(text, sizeof text, "Key 0x%02X", key);
    return text;
}

VirtualKey KeyNamed(const std::string& name) {
    if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return static_cast<VirtualKey>(name[0]);
    for (int key = 1; key <= 0xFF; ++key)
        if (KeyName(static_cast<VirtualKey>(key)) == name) return static_cast<VirtualKey>(key);
    return 0;
}

std::string PadControlName(int pad) {
    if (pad < 0 || pad >= kPadControlCount) return "-";
    return kPadNames[pad];
}

int PadControlNamed(const std::string& name) {
    for (int pad = 0; pad < kPadControlCount; ++pad)
        if (name == kPadNames[pad]) return pad;
    return kPadNone;
}

}  // namespace Engine
