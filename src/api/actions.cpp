#include "api/actions.h"

#include "input/input.h"
#include "input/pad_controls.h"
#include "input/scancode_table.h"

namespace api {

namespace {
Engine::Input* InputSystem() { return Engine::Input::instance; }
}  // namespace

Engine::ActionMap Actions() {
    const Engine::Input* input = InputSystem();
    return input ? input->actions : Engine::ActionMap();
}

void SetActions(const Engine::ActionMap& actions) {
    if (Engine::Input* input = InputSystem()) input->actions = actions;
}

Engine::VirtualKey ActionKey(int player, Engine::Action action) { return Actions().KeyOf(player, action); }

bool ActionHeld(int player, Engine::Action action, const Engine::Gamepad* pad) {
    Engine::Input* input = InputSystem();
    if (!input) return false;
    const Engine::Binding binding = input->actions.Get(player, action);
    if (binding.key != 0 && input->IsKeyDown(binding.key)) {
        input->NoteDevice(player, false);
        return true;
    }
    if (pad && Engine::PadControlDown(*pad, binding.pad)) {
        input->NoteDevice(player, true);
        return true;
    }
    return false;
}

bool ActionTriggered(int player, Engine::Action action, Engine::Gamepad* pad) {
    Engine::Input* input = InputSystem();
    if (!input) return false;
    const Engine::Binding binding = input->actions.Get(player, action);
    const bool key = binding.key != 0 && input->IsKeyTriggered(binding.key);
    // The pad is asked too, so its edge is taken in the same frame as the key's.
    const bool button = pad && Engine::PadControlTriggered(*pad, binding.pad);
    if (key || button) input->NoteDevice(player, !key);
    return key || button;
}

bool PadLastUsed(int player) {
    const Engine::Input* input = InputSystem();
    return input && player >= 1 && player <= Engine::kActionPlayers && input->padLastUsed[player - 1];
}

void NotePadUsed(int player, bool pad) {
    if (Engine::Input* input = InputSystem()) input->NoteDevice(player, pad);
}

std::string ControlName(int player, Engine::Action action) {
    const Engine::Binding binding = Actions().Get(player, action);
    if (PadLastUsed(player)) return Engine::PadControlName(binding.pad);
    return binding.key ? Engine::KeyName(binding.key) : std::string("-");
}

Engine::VirtualKey AnyKeyTriggered() {
    Engine::Input* input = InputSystem();
    if (!input) return 0;
    Engine::VirtualKey first = 0;
    for (const Engine::ScancodeBinding& binding : Engine::AllScancodeBindings())
        if (input->IsKeyTriggered(binding.key) && first == 0) first = binding.key;
    return first;
}

int AnyPadControlTriggered(Engine::Gamepad& pad) {
    int first = Engine::kPadNone;
    for (int control = 0; control < Engine::kPadControlCount; ++control)
        if (Engine::PadControlTriggered(pad, control) && first == Engine::kPadNone) first = control;
    return first;
}

}  // namespace api
