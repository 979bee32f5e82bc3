#include "api/menu_input.h"

#include "api/script_api.h"
#include "input/gamepad_state.h"

namespace api {

namespace {
bool AnyTriggered(const std::vector<Engine::VirtualKey>& keys) {
    bool any = false;
    // Every key is asked, so each one's edge is taken this frame.
    for (Engine::VirtualKey key : keys) any = KeyTriggered(key) || any;
    return any;
}
}  // namespace

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
    for (size_t i = 0; i < pads.size(); ++i) {
        MenuPad& pad = pads[i];
        down = pad.Triggered(Engine::kButtonDpadDown) || pad.downRequest || down;
        up = pad.Triggered(Engine::kButtonDpadUp) || pad.upRequest || up;
        left = pad.Triggered(Engine::kButtonDpadLeft) || pad.leftRequest || left;
        right = pad.Triggered(Engine::kButtonDpadRight) || pad.rightRequest || right;
        // A release query counts every button as seen, so it is asked last.
        back = pad.Triggered(Engine::kButtonB) || back;
        const bool a = confirmOnRelease_ ? pad.Released(Engine::kButtonA) : pad.Triggered(Engine::kButtonA);
        if (a && !confirm) confirmedBy = static_cast<int>(i);
        confirm = a || confirm;
    }
    if (down) up = false;
    if (left) right = false;
}

void MenuInput::TakeMove() {
    for (MenuPad& pad : pads) pad.TakeMove();
}

}  // namespace api
