#pragma once
// The pause menu of the gameplay levels. Escape or Start (either pad) pauses the
// game and shows Resume, Restart, How to play, Controls and Quit to menu over it, walked
// with W/S, the d-pad or the stick and confirmed with F or A (on release).
// Escape or B resumes. How to play lays the five instruction pages over the
// game, turned with A/D or the stick, closed with Escape or B. Restart opens
// the current level afresh; Controls lays the controls page over the paused
// match (PauseControlsOverlay), whose kept bindings the birds take up once the
// match resumes; Quit goes to the title screen. Everything runs in
// AlwaysUpdate, the one pass that runs while the game is paused.
//
// The menu only works in the gameplay levels (Level1, Level4, Zurododavad and
// PracticeRange); dropped anywhere else it says so once and stays off.
//
// While paused a foot line names the menu's keys, or the pages' keys while they
// are open, as player 1 has them bound.
//
// The mouse can use it too: the level's "Pause" button (command "PauseGame")
// pauses when clicked, the "Resume" button sits on the Resume entry (command
// "PauseMenuResumeGame"), and the "BackToPauseMenu" button (command
// "ReturnToPauseMenu") closes the pages.

#include <array>
#include <string>

#include "api/script_api.h"
#include "api/script_ref.h"
#include "game/menus/control_prompts.h"
#include "game/pause/key_legend.h"
#include "game/pause/pause_controls_overlay.h"

class Transition;

class PauseBehaviour : public Engine::ScriptBase<PauseBehaviour> {
public:
    enum Entry { kResume = 1, kRestart = 2, kHowToPlay = 3, kControls = 4, kQuit = 5 };
    static constexpr int kEntryCount = kQuit;
    static constexpr float kPulseLow = 1.0f;
    static constexpr float kPulseHigh = 1.5f;
    static constexpr int32_t kPagesLayer = 22;
    static constexpr int32_t kPagesBackdropLayer = 21;

    using ScriptBase::ScriptBase;

    void Init() override;
    void AlwaysUpdate(float dt) override;

    // The key line under the menu (empty while the match runs).
    Engine::GameObj* HintLine() const { return hint_.Get(); }
    // The keyboard pages' legend, written with the keys as bound (empty while the pages are closed).
    const HowToPlayPages::KeyLegend& Legend() const { return legend_; }
    // The controls page over the paused match (open or not).
    const PauseControlsOverlay& Controls() const { return controls_; }

    // False outside the gameplay levels: the menu then does nothing.
    bool enabled = false;
    int selection = kResume;
    float pulse = kPulseLow;
    bool pulseGrowing = true;
    bool pagesOpen = false;
    int pageIndex = 0;
    // The next paused frame takes the camera's view and frames the menu.
    bool cameraSaved = true;

private:
    enum Sprite { kResumeSprite, kRestartSprite, kHowToPlaySprite, kControlsSprite, kQuitSprite, kBackgroundSprite, kSpriteCount };

    // Covers the screen and opens `key`; false (one printed line) when it has no level.
    bool LeaveFor(const std::string& key);
    void ShowMenu(bool shown);
    void Resume();
    void Select(int entry);
    void OpenPages();
    void ClosePages();
    void TurnPage(int direction);
    void Confirm();
    void UpdatePages();
    void UpdateControls(float dt);
    void UpdateMenu(float dt);
    void FollowMouseButtons();

    std::array<api::ObjectRef, kSpriteCount> sprites_;
    std::array<uint32_t, kSpriteCount> savedColors_{};
    api::ObjectRef pagesBackground_;
    api::ObjectRef pagesScreen_;
    api::ObjectRef mousePause_;
    api::ObjectRef mouseResume_;
    api::ObjectRef mouseBack_;
    ControlPrompts::HintLabel hint_;
    HowToPlayPages::KeyLegend legend_;
    PauseControlsOverlay controls_;
    api::ScriptRef<Transition> wipe_;
    api::MenuInput menu_{{1, 2}, {}, true};
    MenuPad start1_{1};
    MenuPad start2_{2};
    // The camera's view when the game was paused, handed back on resuming.
    bool holdingView_ = false;
    bool pauseIconShown_ = false;
    Engine::vec3 savedView_;
    float savedZoom_ = 1.0f;
};
