#include "game/menus/controls_screen.h"

#include "api/actions.h"
#include "api/stage.h"
#include "api/labels.h"
#include "api/user_settings.h"
#include "game/menus/menu_flow.h"
#include "graphics/font.h"
#include "graphics/label.h"

REGISTER_SCRIPT("ControlsScreen", ControlsScreen);

namespace {
const api::ArchetypeName kRowLabel{"HudLabel"};
const api::ObjectName kHeadings[2] = {api::ObjectName{"P1Heading"}, api::ObjectName{"P2Heading"}};
const api::ObjectName kTitle{"ControlsTitle"};
const api::ObjectName kMessage{"ControlsMessage"};
const api::ObjectName kHint{"ControlsHint"};
const api::LevelKey kOptions{"OptionLevel"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClick{"event:/Button_Click"};
const api::SoundEvent kReturn{"event:/Menu_Return"};

constexpr const char* kFont = "PassionOne";
constexpr int kRowSize = 22;
constexpr int32_t kRowLayer = 6;
constexpr float kFirstRowBelow = 0.95f;  // under the heading
constexpr float kRowStep = 0.66f;
constexpr float kKeyColumn = 5.3f;       // to the right of the action's name
constexpr float kPadColumn = 9.9f;
// Packed R, G, B, A from the least significant byte: dark ink on the light panel.
constexpr uint32_t kInk = 0xFF603020u;       // the action names
constexpr uint32_t kPaleInk = 0xFF8A6848u;   // keys and pad controls
constexpr uint32_t kChosen = 0xFF2828DCu;    // red: the chosen row and cell
constexpr uint32_t kWaiting = 0xFF0082EBu;   // orange: waiting for a key, or for the swap answer

int LabelSize(const Engine::graphics::Label& label) {
    return label.font ? static_cast<int>(label.font->size) : kRowSize;
}

std::string PlayerName(int player) { return player == 1 ? "Player 1" : "Player 2"; }

// Both players walk the screen with their own menu keys.
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

void ControlsScreen::Init() {
    wipe_ = MenuFlow::FindWipe();
    menu_ = api::MenuInput({1, 2}, BothPlayersKeys());
    working = api::Actions();
    message_ = api::Find(kMessage);
    hint_ = api::Find(kHint);
    // The level's own lines, in the menus' font at the sizes the level gives them.
    for (const api::ObjectName* name : {&kTitle, &kHeadings[0], &kHeadings[1], &kMessage, &kHint}) {
        Engine::GameObj* line = api::Find(*name);
        if (const Engine::graphics::Label* label = api::LabelOf(line)) api::SetFont(line, kFont, LabelSize(*label));
        api::SetLabelLayer(line, kRowLayer);
    }
    for (int p = 0; p < 2; ++p) {
        Engine::GameObj* heading = api::Find(kHeadings[p]);
        if (!heading) continue;
        const Engine::vec2 at = api::Position(heading);
        for (int r = 0; r < kRows; ++r) {
            const float y = at.y - kFirstRowBelow - static_cast<float>(r) * kRowStep;
            const float xs[3] = {at.x, at.x + kKeyColumn, at.x + kPadColumn};
            for (int c = 0; c < 3; ++c) {
                // The last two rows are one entry each: no key or pad cells.
                if (r >= kRestoreRow && c > 0) continue;
                cells_[p][r][c] = api::SpawnLabel(kRowLabel, kFont, kRowSize, {xs[c], y}, kInk, kRowLayer);
            }
        }
    }
    // Named as player 1 has them bound, pad controls when player 1 last used a pad.
    using Engine::Action;
    const auto name = [](Action action) { return api::ControlName(1, action); };
    api::SetText(hint_.Get(), name(Action::kMenuUp) + " " + name(Action::kMenuDown) + " " + name(Action::kMenuLeft) +
                                  " " + name(Action::kMenuRight) + ": choose      " + name(Action::kMenuConfirm) +
                                  ": change      " + name(Action::kMenuBack) + ": back without changes");
    Show();
}

void ControlsScreen::Update(float dt) {
    if (leaving_) return;
    if (waiting) {
        Capture(dt);
    } else {
        menu_.Poll(dt);
        if (pendingSwap)
            AnswerSwap();
        else
            Navigate();
    }
    Show();
}

void ControlsScreen::Navigate() {
    if (menu_.back) {
        Leave(false);
        return;
    }
    if (menu_.up || menu_.down || menu_.left || menu_.right) {
        if (menu_.down) row = (row + 1) % kRows;
        if (menu_.up) row = (row + kRows - 1) % kRows;
        if (menu_.right) column = (column + 1) % kColumns;
        if (menu_.left) column = (column + kColumns - 1) % kColumns;
        menu_.TakeMove();
        api::Play(kHover);
    }
    if (menu_.confirm) Choose();
}

void ControlsScreen::Choose() {
    api::Play(kClick);
    if (row == kKeepRow) {
        Leave(true);
    } else if (row == kRestoreRow) {
        working.RestoreDefaults(Player());
        Say(PlayerName(Player()) + ": the game's own controls are back");
    } else {
        waiting = true;
        Say(std::string("Press the new ") + (PadColumn() ? "pad button" : "key") + " for " + PlayerName(Player()) +
            "'s " + Engine::ActionLabel(SelectedAction()) + (PadColumn() ? "   (Back: cancel)" : "   (Escape: cancel)"));
    }
}

void ControlsScreen::Capture(float dt) {
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

void ControlsScreen::Take(int code) {
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

void ControlsScreen::AnswerSwap() {
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

void ControlsScreen::Leave(bool keep) {
    if (keep) {
        api::SetActions(working);
        api::SaveSettings();
    }
    leaving_ = true;
    if (wipe_) api::Play(kReturn);
    MenuFlow::LeaveTo(wipe_, kOptions);
}

void ControlsScreen::Show() {
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

void ControlsScreen::Say(const std::string& text) { api::SetText(message_.Get(), text); }
