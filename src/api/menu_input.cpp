#include "api/menu_input.h"

#include "api/actions.h"
#include "api/script_api.h"
#include "input/pad_controls.h"
#include "input/gamepad_state.h"

namespace api {

namespace {
bool AnyTriggered(const std::vector<Engine::VirtualKey>& keys) {
    bool any = false;
    // Every key is asked, so each one's edge is taken this frame.
    for (Engine::VirtualKey key : keys) any = KeyTriggered(key) || any;
    return any;
}
bool PadTriggered(MenuPad& pad, const Engine::ActionMap& actions, Engine::Action action) {
    const int player = pad.gamepad.userIndex + 1;
    return pad.Triggered(actions.PadOf(player, action));
}
}  // namespace

Engine::VirtualKey MenuKeys::MenuKey(int player, Engine::Action action) { return ActionKey(player, action); }

MenuKeys MenuKeys::OfPlayer(int player) {
    MenuKeys keys;
    keys.up = {MenuKey(player, Engine::Action::kMenuUp)};
    keys.down = {MenuKey(player, Engine::Action::kMenuDown)};
    keys.left = {MenuKey(player, Engine::Action::kMenuLeft)};
    keys.right = {MenuKey(player, Engine::Action::kMenuRight)};
    keys.confirm = {MenuKey(player, Engine::Action::kMenuConfirm)};
    keys.back = {MenuKey(player, Engine::Action::kMenuBack)};
    return keys;
}

MenuInput::MenuInput(std::vector<int> players, MenuKeys keys_, bool confirmOnRelease)
    : keys(std::move(keys_)), confirmOnRelease_(confirmOnRelease) {
    for (int player : players) pads.emplace_back(player);
}

void MenuInput::Poll(float dt) {
    up = down = left = right = confirm = back = false;
    confirmedBy = -1;
    for (MenuPad& pad : pads) pad.Poll(dt);

    down = AnyTriggered(keys.down);
    up = AnyTriggered(keys.up);
    left = AnyTriggered(keys.left);
    right = AnyTriggered(keys.right);
    confirm = AnyTriggered(keys.confirm);
    back = AnyTriggered(keys.back);
    if (down || up || left || right || confirm || back)
        for (const MenuPad& pad : pads) NotePadUsed(pad.gamepad.userIndex + 1, false);
    const Engine::ActionMap actions = Actions();
    using Engine::Action;
    for (size_t i = 0; i < pads.size(); ++i) {
        MenuPad& pad = pads[i];
        const bool padDown = PadTriggered(pad, actions, Action::kMenuDown) || pad.downRequest;
        const bool padUp = PadTriggered(pad, actions, Action::kMenuUp) || pad.upRequest;
        const bool padLeft = PadTriggered(pad, actions, Action::kMenuLeft) || pad.leftRequest;
        const bool padRight = PadTriggered(pad, actions, Action::kMenuRight) || pad.rightRequest;
        // A release query counts every button as seen, so it is asked last.
        const bool padBack = PadTriggered(pad, actions, Action::kMenuBack);
        const int confirmControl = actions.PadOf(pad.gamepad.userIndex + 1, Action::kMenuConfirm);
        const bool a = confirmOnRelease_ ? pad.Released(confirmControl) : pad.Triggered(confirmControl);
        if (a && !confirm) confirmedBy = static_cast<int>(i);
        if (padDown || padUp || padLeft || padRight || padBack || a) NotePadUsed(pad.gamepad.userIndex + 1, true);
        down = padDown || down;
        up = padUp || up;
        left = padLeft || left;
        right = padRight || right;
        back = padBack || back;
        confirm = a || confirm;
    }
    if (down) up = false;
    if (left) right = false;
}

void MenuInput::TakeMove() {
    for (MenuPad& pad : pads) pad.TakeMove();
}

}  // namespace api
