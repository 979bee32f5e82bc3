#pragma once

#include <array>
#include <map>
#include <memory>

#include "core/system.h"
#include "input/action_map.h"
#include "input/computer_keys.h"
#include "input/key_state_source.h"
#include "input/pad_state_source.h"
#include "input/virtual_keys.h"

namespace Engine {

// Keyboard and mouse queries with pressed-this-frame and released-this-frame
// answers, and the switch that turns all input off while the window is in the
// background or a scene transition runs.
//
// Queries read the key's state at the moment they are made. Each query
// records what it saw in `keys`; `previousKeys` is the copy taken at the start
// of the frame. An edge is consumed by the query that reports it: a triggered
// or released answer of true copies that key's entry of `keys` into
// `previousKeys`, so a second triggered query of the same key in one frame
// answers false, while the edges of every other key stay for their own queries.
class Input : public System {
public:
    using KeyMap = std::map<VirtualKey, bool>;

    // Reads SDL's keyboard, mouse and game controllers.
    Input();
    // Reads the given sources instead (tests, the headless harness).
    Input(std::unique_ptr<KeyStateSource> keySource, std::unique_ptr<PadStateSource> padSource);
    ~Input() override;
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    // The published input instance: the most recently constructed one.
    static Input* instance;

    bool Initialize() override { return true; }
    // Takes this frame's snapshots (when active) and lets the pads notice
    // controllers plugged in or out.
    void Update(float dt) override;
    // The window's focus message switches `active`.
    void SendMessage(Message* message) override;

    bool IsKeyDown(VirtualKey key);
    bool IsKeyTriggered(VirtualKey key);
    bool IsKeyReleased(VirtualKey key);

    // `button` is VK_LBUTTON or VK_RBUTTON; any other answers false.
    bool IsMouseDown(VirtualKey button);
    bool IsMouseTriggered(VirtualKey button);
    bool IsMouseReleased(VirtualKey button);

    PadStateSource& Pads() { return *padSource_; }
    void SetKeyStateSource(std::unique_ptr<KeyStateSource> source);
    void SetPadStateSource(std::unique_ptr<PadStateSource> source);

    // False until the window is first activated; every query answers false
    // and records nothing while it is false.
    bool active = false;
    KeyMap keys;
    KeyMap previousKeys;
    KeyMap mouseButtons;  // VK_LBUTTON = 1, VK_RBUTTON = 2
    KeyMap previousMouseButtons;

    // What each player presses for each action; kept by the settings file.
    ActionMap actions;
    // Whether each player's last action came from their pad (prompts then name
    // pad controls) rather than the keyboard. Index 0 is player 1.
    std::array<bool, kActionPlayers> padLastUsed{};
    void NoteDevice(int player, bool pad) {
        if (player >= 1 && player <= kActionPlayers) padLastUsed[player - 1] = pad;
    }
    // The computer players' keys; a ComputerKeySource over them is laid on the
    // key source by whoever builds the input (not under a replay).
    ComputerKeys& Computer() { return computer_; }

private:
    // Declared before the sources, which may refer to it, so it outlives them.
    ComputerKeys computer_;
    std::unique_ptr<KeyStateSource> keySource_;
    std::unique_ptr<PadStateSource> padSource_;
};

}  // namespace Engine
