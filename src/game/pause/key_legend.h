#pragma once
// The legend of the two keyboard pages (players 1 and 2): the pages draw each
// move's key cap blank, and these labels write on them the player's controls
// as bound, or the pad's once that player last used a pad. Shared by the
// how-to-play screen and the pause menu's pages.
//
//   legend_.Spawn(kLayer);                  // Init
//   legend_.Show(pageObject, pageIndex);    // whenever the page turns or moves
//   legend_.Refresh();                      // Update: follows a rebinding or a pad

#include <array>
#include <string>

#include "api/script_api.h"

namespace HowToPlayPages {

class KeyLegend {
public:
    // One row per move: flap, walk, peck, dung, skill, ultimate, pause.
    static constexpr int kRows = 7;

    void Spawn(int32_t layer);
    // Places the caps over `page` and writes them for page `pageIndex`; they
    // stay empty on the pages without a keyboard legend.
    void Show(const Engine::GameObj* page, int pageIndex);
    // Empties every cap (the pages closed).
    void Hide();
    // Rewrites the caps whose words changed.
    void Refresh();
    Engine::GameObj* Cap(int row) const { return caps_[static_cast<size_t>(row)].Get(); }

private:
    std::array<api::ObjectRef, kRows> caps_;
    std::array<std::string, kRows> shown_;
    // The player whose legend is shown, 0 for none.
    int player_ = 0;
};

}  // namespace HowToPlayPages
