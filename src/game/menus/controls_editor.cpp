#include "game/menus/controls_editor.h"

#include "api/actions.h"
#include "api/labels.h"
#include "api/stage.h"
#include "api/user_settings.h"

namespace {
const api::ArchetypeName kRowLabel{"HudLabel"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClick{"event:/Button_Click"};

constexpr const char* kFont = "PassionOne";
constexpr int kRowSize = 22;
constexpr float kFirstRowBelow = 0.95f;  // under the heading
constexpr float kRowStep = 0.66f;
constexpr float kKeyColumn = 5.3f;       // to the right of the action's name
constexpr float kPadColumn = 9.9f;
// Packed R, G, B, A from the least significant byte: dark ink on the light panel.
constexpr uint32_t kInk = 0xFF603020u;       // the action names
constexpr uint32_t kPaleInk = 0xFF8A6848u;   // keys and pad controls
constexpr uint32_t kChosen = 0xFF2828DCu;    // red: the chosen row and cell
constexpr uint32_t kWaiting = 0xFF0082EBu;   // orange: waiting for a key, or for the swap answer

std::string PlayerName(int player) { return player == 1 ? "Player 1" : "Player 2"; }

// Both players walk the page with their own menu keys.
api::MenuKeys BothPlayersKeys() {
    api::MenuKeys keys = api::MenuKeys::OfPlayer(1);
    const api::MenuKeys second = api::MenuKeys::OfPlayer(2);
    keys.up.insert(keys.up.end(), second.up.begin(), second.up.end());
    keys.down.insert(keys.down.end(), second.down.begin(), second.down.end());
    keys.left.insert(keys.left.end(), second.left.begin(), second.left.end());
    keys.right.insert(keys.right.end(), second.right.begin(), second.right.end());
    keys.confirm.insert(keys.confirm.end(), second.confirm.begin(), second.confirm.end());
    return keys;
}
}  // namespace

void ControlsEditor::Build(const std::array<Engine::vec2, 2>& headings, int32_t layer, Engine::GameObj* message,
                           Engine::GameObj* hint) {
    menu_ = api::MenuInput({1, 2}, BothPlayersKeys());
    working = api::Actions();
    row = 0;
    column = 0;
    waiting = false;
    pendingSwap.reset();
    message_ = message;
    hint_ = hint;
    for (int p = 0; p < 2; ++p) {
        const Engine::vec2 at = headings[static_cast<size_t>(p)];
        for (int r = 0; r < kRows; ++r) {
            const float y = at.y - kFirstRowBelow - static_cast<float>(r) * kRowStep;
            const float xs[3] = {at.x, at.x + kKeyColumn, at.x + kPadColumn};
            for (int c = 0; c < 3; ++c) {
                // The last two rows are one entry each: no key or pad cells.
                if (r >= kRestoreRow && c > 0) continue;
                cells_[p][r][c] = api::SpawnLabel(kRowLabel, kFont, kRowSize, {xs[c], y}, kInk, layer);
            }
        }
    }
    // Named as player 1 has them bound, pad controls when player 1 last used a pad.
    using Engine::Action;
    const auto name = [](Action action) { return api::ControlName(1, action); };
    api::SetText(hint_.Get(), name(Action::kMenuUp) + " " + name(Action::kMenuDown) + " " + name(Action::kMenuLeft) +
                                  " " + name(Action::kMenuRight) + ": choose      " + name(Action::kMenuConfirm) +
                                  ": change      " + name(Action::kMenuBack) + ": back without changes");
    Say("");
    Show();
}

void ControlsEditor::Clear() {
    for (auto& player : cells_)
        for (auto& line : player)
            for (api::ObjectRef& cell : line) {
                // Out of sight at once: the release waits for the end of the physics step.
                api::SetText(cell.Get(), "");
                api::Destroy(cell.Get());
                cell.Reset();
            }
}

ControlsEditor::Outcome ControlsEditor::Update(float dt) {
    Outcome outcome = Outcome::kEditing;
    if (waiting) {
        Capture(dt);
    } else {
        menu_.Poll(dt);
        if (pendingSwap)
            AnswerSwap();
        else
            outcome = Navigate();
    }
    Show();
    return outcome;
}

ControlsEditor::Outcome ControlsEditor::Navigate() {
    if (menu_.back) return Outcome::kCancelled;
    if (menu_.up || menu_.down || menu_.left || menu_.right) {
        if (menu_.down) row = (row + 1) % kRows;
        if (menu_.up) row = (row + kRows - 1) % kRows;
        if (menu_.right) column = (column + 1) % kColumns;
        if (menu_.left) column = (column + kColumns - 1) % kColumns;
        menu_.TakeMove();
        api::Play(kHover);
    }
    return menu_.confirm ? Choose() : Outcome::kEditing;
}

ControlsEditor::Outcome ControlsEditor::Choose() {
    api::Play(kClick);
    if (row == kKeepRow) {
        api::SetActions(working);
        api::SaveSettings();
        return Outcome::kKept;
    }
    if (row == kRestoreRow) {
        working.RestoreDefaults(Player());
        Say(PlayerName(Player()) + ": the game's own controls are back");
    } else {
        waiting = true;
        Say(std::string("Press the new ") + (PadColumn() ? "pad button" : "key") + " for " + PlayerName(Player()) +
            "'s " + Engine::ActionLabel(SelectedAction()) + (PadColumn() ? "   (Back: cancel)" : "   (Escape: cancel)"));
    }
    return Outcome::kEditing;
}

void ControlsEditor::Capture(float dt) {
    for (MenuPad& pad : menu_.pads) pad.Poll(dt);
    if (PadColumn()) {
        if (api::KeyTriggered(Engine::VK_ESCAPE)) {
            waiting = false;
            Say("Nothing changed");
            return;
        }
        Engine::Gamepad& pad = menu_.pads[Player() - 1].gamepad;
        const int control = api::AnyPadControlTriggered(pad);
        if (control == Engine::kButtonBack) {
            waiting = false;
            Say("Nothing changed");
        } else if (control != Engine::kPadNone) {
            Take(control);
        }
        return;
    }
    const Engine::VirtualKey key = api::AnyKeyTriggered();
    if (key == 0) return;
    if (key == Engine::VK_ESCAPE) {
        waiting = false;
        Say("Nothing changed");
    } else if (key != Engine::VK_F1) {  // F1 is the full-screen switch
        Take(key);
    }
}

void ControlsEditor::Take(int code) {
    waiting = false;
    const int player = Player();
    const Engine::Action action = SelectedAction();
    const auto holder = PadColumn() ? working.PadHolder(player, action, code)
                                    : working.KeyHolder(player, action, static_cast<Engine::VirtualKey>(code));
    const std::string name =
        PadColumn() ? Engine::PadControlName(code) : Engine::KeyName(static_cast<Engine::VirtualKey>(code));
    if (holder) {
        pendingSwap = code;
        Say(name + " is already " + PlayerName(holder->player) + "'s " + Engine::ActionLabel(holder->action) + ".  " +
            api::ControlName(player, Engine::Action::kMenuConfirm) + ": swap   " +
            api::ControlName(player, Engine::Action::kMenuBack) + ": keep as it is");
        return;
    }
    if (PadColumn())
        working.SetPad(player, action, code);
    else
        working.SetKey(player, action, static_cast<Engine::VirtualKey>(code));
    Say(PlayerName(player) + "'s " + Engine::ActionLabel(action) + ": " + name);
}

void ControlsEditor::AnswerSwap() {
    const int code = *pendingSwap;
    if (menu_.confirm) {
        if (PadColumn())
            working.SwapPad(Player(), SelectedAction(), code);
        else
            working.SwapKey(Player(), SelectedAction(), static_cast<Engine::VirtualKey>(code));
        pendingSwap.reset();
        api::Play(kClick);
        Say("Swapped");
    } else if (menu_.back || menu_.up || menu_.down || menu_.left || menu_.right) {
        pendingSwap.reset();
        menu_.TakeMove();
        Say("Refused: nothing changed");
    }
}

void ControlsEditor::Show() {
    for (int p = 0; p < 2; ++p) {
        const int player = p + 1;
        for (int r = 0; r < kRows; ++r) {
            std::array<api::ObjectRef, 3>& line = cells_[p][r];
            if (r == kRestoreRow) {
                api::SetText(line[0].Get(), "Restore defaults");
            } else if (r == kKeepRow) {
                api::SetText(line[0].Get(), "Keep and go back");
            } else {
                const Engine::Binding binding = working.Get(player, Engine::ActionAt(r));
                api::SetText(line[0].Get(), Engine::ActionLabel(Engine::ActionAt(r)));
                api::SetText(line[1].Get(), binding.key ? Engine::KeyName(binding.key) : "-");
                api::SetText(line[2].Get(), Engine::PadControlName(binding.pad));
            }
            for (int c = 0; c < 3; ++c) {
                const bool rowChosen = r == row && player == Player();
                // On an action row the chosen cell is the key or pad; the last rows light whole.
                const bool cellChosen = rowChosen && (r >= kRestoreRow ? c == 0 : c == (PadColumn() ? 2 : 1));
                uint32_t colour = c == 0 ? kInk : kPaleInk;
                if (rowChosen && c == 0) colour = kChosen;
                if (cellChosen) colour = (waiting || pendingSwap) ? kWaiting : kChosen;
                api::SetTextColor(line[c].Get(), colour);
            }
        }
    }
}

void ControlsEditor::Say(const std::string& text) { api::SetText(message_.Get(), text); }
