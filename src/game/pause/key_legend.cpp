#include "game/pause/key_legend.h"

#include <string>

#include "game/menus/control_prompts.h"
#include "game/pause/how_to_play_pages.h"

namespace HowToPlayPages {

using Engine::Action;

namespace {
constexpr int kSize = 24;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Where the legend's first cap starts on the drawing and how far apart the
// rows are (`legend` in tools/art/screens_art.py): the text starts a little
// inside the cap, its top high enough to centre it on the row.
constexpr float kCapTextLeft = 370.0f + 38.0f + 8.0f;
constexpr float kFirstRowTop = 92.0f - 12.0f;
constexpr float kRowStep = 38.0f;

// What the row's cap names: the player's controls for its move.
std::string ControlsOfRow(int player, size_t row) {
    using ControlPrompts::Names;
    switch (row) {
    case 0: return Names(player, {Action::kFlap});
    case 1: return Names(player, {Action::kWalkLeft, Action::kWalkRight});
    case 2: return Names(player, {Action::kPeck});
    case 3: return Names(player, {Action::kDung});
    case 4: return Names(player, {Action::kSkill});
    case 5: return Names(player, {Action::kUltimate});
    case 6: return Names(player, {Action::kPause});
    default: return {};
    }
}

// Page 0 is player 1's keyboard, page 1 player 2's; the others have no legend.
int PlayerOfPage(int pageIndex) { return pageIndex == 0 || pageIndex == 1 ? pageIndex + 1 : 0; }
}  // namespace

void KeyLegend::Spawn(int32_t layer) {
    for (size_t row = 0; row < caps_.size(); ++row) {
        caps_[row] = ControlPrompts::SpawnLabel(layer, {}, kSize, kWhite);
        shown_[row].clear();
    }
    player_ = 0;
}

void KeyLegend::Show(const Engine::GameObj* page, int pageIndex) {
    for (size_t row = 0; row < caps_.size(); ++row) {
        const float top = kFirstRowTop + kRowStep * static_cast<float>(row);
        api::SetPosition(caps_[row].Get(), LabelAt(page, {kCapTextLeft, top}));
    }
    player_ = page ? PlayerOfPage(pageIndex) : 0;
    Refresh();
}

void KeyLegend::Hide() {
    player_ = 0;
    Refresh();
}

void KeyLegend::Refresh() {
    for (size_t row = 0; row < caps_.size(); ++row) {
        std::string words = player_ ? ControlsOfRow(player_, row) : std::string();
        if (words == shown_[row]) continue;
        api::SetText(caps_[row].Get(), words);
        shown_[row] = std::move(words);
    }
}

}  // namespace HowToPlayPages
