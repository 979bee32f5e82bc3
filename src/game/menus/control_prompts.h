#pragma once
// The hints at the foot of the screens, written from the action map: each
// names a player's controls as bound, or the pad's controls once that player
// last used a pad. One place builds them all, so every screen says the same.
//
//   ControlPrompts::Names(1, {Action::kMenuLeft, Action::kMenuRight})  // "A D"
//   hint_.Attach(api::Find(kHint), ControlPrompts::Screen::kLevelSelection);  // Init
//   hint_.Refresh();                                                        // Update

#include <initializer_list>
#include <string>

#include "api/actions.h"
#include "api/script_api.h"

namespace ControlPrompts {

// The screens with a hint line.
enum class Screen { kLevelSelection, kMatchPlayer1, kMatchPlayer2, kPauseMenu, kHowToPlay };

// The player's controls for the actions, one space apart ("A D", "D-pad Left D-pad Right").
std::string Names(int player, std::initializer_list<Engine::Action> actions);

// The whole hint of a screen.
std::string Line(Screen screen);

// Where a screen's foot line starts at 1280x720.
constexpr Engine::vec2 kFoot{-15.2f, -8.3f};

// A new label in the hints' font (by default their size and colour), empty, at `at`.
Engine::GameObj* SpawnLabel(int32_t layer, Engine::vec2 at, int size = 20, uint32_t packedColor = 0xE6FFFFFFu);

// A label that shows a screen's hint, rewritten only when the words change
// (a player picked up a pad, the keys were rebound).
class HintLabel {
public:
    void Attach(Engine::GameObj* label, Screen screen);
    // A new label in the hints' font and colour, at `at` (by default the
    // screen's foot, left).
    void Spawn(Screen screen, int32_t layer, Engine::vec2 at = kFoot);
    // Shows another screen's hint on the same label (the pause menu, then its pages).
    void Show(Screen screen);
    // Empties the label (the pause menu's line while the match runs).
    void Hide();
    void Refresh();
    Engine::GameObj* Get() const { return label_.Get(); }

private:
    api::ObjectRef label_;
    Screen screen_ = Screen::kPauseMenu;
    std::string shown_;
};

}  // namespace ControlPrompts
