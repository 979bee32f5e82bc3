#include "net/action_keys.h"

#include "input/gamepad_state.h"
#include "input/virtual_keys.h"

namespace Engine::net {

namespace {

struct ActionBinding {
    Action action;
    VirtualKey player1;
    VirtualKey player2;
};

// The birds' and menus' keys of players 1 and 2 (several actions may share a key).
constexpr ActionBinding kBindings[] = {
    {Action::Left, 'A', VK_LEFT},
    {Action::Right, 'D', VK_RIGHT},
    {Action::Flap, 'W', VK_UP},
    {Action::Peck, 'F', VK_OEM_2},
    {Action::Dung, 'G', VK_OEM_PERIOD},
    {Action::Skill, 'H', VK_OEM_COMMA},
    {Action::Ultimate, VK_LSHIFT, VK_RSHIFT},
    {Action::MenuUp, 'W', VK_UP},
    {Action::MenuDown, 'S', VK_DOWN},
    {Action::MenuLeft, 'A', VK_LEFT},
    {Action::MenuRight, 'D', VK_RIGHT},
    {Action::Confirm, 'F', VK_OEM_2},
    {Action::Back, VK_ESCAPE, VK_ESCAPE},
    {Action::Pause, VK_ESCAPE, VK_ESCAPE},
};

// A stick pushed this far (0.8 of its range) counts as a direction, as in the menus.
constexpr int kStickPush = 26214;

struct PadBinding {
    Action action;
    uint16_t button;
};

constexpr PadBinding kPadBindings[] = {
    {Action::Flap, PadBits::kA},         {Action::Confirm, PadBits::kA},      {Action::Back, PadBits::kB},
    {Action::Skill, PadBits::kX},        {Action::Ultimate, PadBits::kY},     {Action::Pause, PadBits::kStart},
    {Action::MenuUp, PadBits::kDpadUp},  {Action::MenuDown, PadBits::kDpadDown},
    {Action::Left, PadBits::kDpadLeft},  {Action::MenuLeft, PadBits::kDpadLeft},
    {Action::Right, PadBits::kDpadRight}, {Action::MenuRight, PadBits::kDpadRight},
};

}  // namespace

PlayerActions ActionsFromLocalInput(const InputFrame& local) {
    PlayerActions actions;
    for (const ActionBinding& binding : kBindings)
        if (local.keys.test(binding.player1)) actions.Set(binding.action);
    const PadFrame& pad = local.pads[0];
    if (!pad.plugged) return actions;
    for (const PadBinding& binding : kPadBindings)
        if ((pad.buttons & binding.button) == binding.button) actions.Set(binding.action);
    if (pad.rightTrigger > 0) actions.Set(Action::Peck);
    if (pad.leftTrigger > 0) actions.Set(Action::Dung);
    if (pad.thumbLX < -kStickPush) {
        actions.Set(Action::Left);
        actions.Set(Action::MenuLeft);
    }
    if (pad.thumbLX > kStickPush) {
        actions.Set(Action::Right);
        actions.Set(Action::MenuRight);
    }
    if (pad.thumbLY > kStickPush) actions.Set(Action::MenuUp);
    if (pad.thumbLY < -kStickPush) actions.Set(Action::MenuDown);
    return actions;
}

PlayerActions ActionsFromPlayerKeys(const KeyStateSource& keys, int player) {
    PlayerActions actions;
    for (const ActionBinding& binding : kBindings)
        if (keys.IsDown(player == 0 ? binding.player1 : binding.player2)) actions.Set(binding.action);
    return actions;
}

InputFrame LockstepInputFrame(const FrameInputs& inputs) {
    InputFrame frame;
    for (const ActionBinding& binding : kBindings) {
        if (inputs.players[0].Has(binding.action)) frame.keys.set(binding.player1);
        if (inputs.players[1].Has(binding.action)) frame.keys.set(binding.player2);
    }
    return frame;
}

}  // namespace Engine::net
