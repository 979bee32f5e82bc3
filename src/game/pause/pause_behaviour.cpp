#include "game/pause/pause_behaviour.h"

#include <iostream>

#include "api/actions.h"
#include "api/camera_view.h"
#include "api/drawing.h"
#include "api/script_api.h"
#include "game/levels/level_table.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"
#include "game/pause/how_to_play_pages.h"
#include "api/buttons.h"

REGISTER_SCRIPT("PauseBehaviour", PauseBehaviour);

namespace {
const api::ArchetypeName kBackgroundArchetype{"PauseBackground"};
const api::ArchetypeName kResumeArchetype{"PauseResumeButton"};
const api::ArchetypeName kRestartArchetype{"PauseRestartButton"};
const api::ArchetypeName kHowToPlayArchetype{"HowToPlayButton"};
const api::ArchetypeName kControlsArchetype{"PauseControlsButton"};
const api::ArchetypeName kQuitArchetype{"PauseQuitButton"};
const api::ArchetypeName kPagesBackdropArchetype{"PauseHTPBackground"};
const api::ArchetypeName kPagesArchetype{"HowToPlayScreen"};
const api::ArchetypeName kWipeArchetype{"TransitionBird"};
const api::ObjectName kMousePause{"Pause"};
const api::ObjectName kMouseResume{"Resume"};
const api::ObjectName kMouseBack{"BackToPauseMenu"};
const api::LevelKey kTitle{"MainMenu_KR"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClick{"event:/Button_Click"};
const api::SoundEvent kReturn{"event:/Menu_Return"};
// Stopped with the level's music when the players quit.
const api::SoundEvent kStunned{"event:/Player_Stunned"};

struct EntryLook {
    Engine::vec2 position;
    api::TextureName selected;
    api::TextureName other;
};
const EntryLook kEntries[PauseBehaviour::kEntryCount] = {
    {{0.0f, 2.4f}, api::TextureName{"ReseumeSelected"}, api::TextureName{"ReseumeNotSelected"}},
    {{0.0f, 0.7f}, api::TextureName{"RestartSelected"}, api::TextureName{"RestartNotSelected"}},
    {{0.0f, -1.0f}, api::TextureName{"HowToPlaySelected"}, api::TextureName{"HowToPlayNotSelected"}},
    {{0.0f, -2.7f}, api::TextureName{"PauseControlsSelected"}, api::TextureName{"PauseControlsNotSelected"}},
    {{0.0f, -4.4f}, api::TextureName{"QuitToMainMenuSelected"}, api::TextureName{"QuitToMainMenuNot"}},
};
const Engine::vec2 kEntryScale{8.5f, 1.7f};

constexpr uint32_t kInvisible = 0x00000000u;
constexpr uint32_t kShown = 0xFFFFFFFFu;
constexpr uint32_t kOpaqueBlack = 0xFF000000u;
// The menu's key line: under the board, in front of the pages and the menu.
constexpr int32_t kHintLayer = 23;
constexpr Engine::vec2 kHintAt{-5.1f, -6.4f};


uint32_t ColourOf(const Engine::GameObj* object) {
    const Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    return sprite ? sprite->color : 0u;
}
}  // namespace

void PauseBehaviour::Init() {
    // The pause menu works where a match is played; the level's row says whether
    // losing the focus pauses too.
    const levels::LevelRow* row = levels::Current();
    enabled = row != nullptr;
    if (!enabled) {
        std::cout << "PauseBehaviour: " << api::CurrentLevelPath() << " is not a gameplay level; no pause menu here"
                  << std::endl;
        return;
    }
    if (row->pausesOnFocusLoss) api::PauseOnFocusLoss();
    sprites_[kBackgroundSprite] = api::Spawn(kBackgroundArchetype, 0.0f, 0.0f);
    const char* archetypes[kEntryCount] = {kResumeArchetype, kRestartArchetype, kHowToPlayArchetype,
                                           kControlsArchetype, kQuitArchetype};
    for (int i = 0; i < kEntryCount; ++i) {
        Engine::GameObj* entry = api::Spawn(archetypes[i], kEntries[i].position.x, kEntries[i].position.y);
        api::SetScale(entry, kEntryScale);
        api::SetPosition(entry, kEntries[i].position);
        sprites_[static_cast<size_t>(i)] = entry;
    }
    for (size_t i = 0; i < sprites_.size(); ++i) {
        savedColors_[i] = ColourOf(sprites_[i].Get());
        api::SetColor(sprites_[i].Get(), kInvisible);
    }
    mousePause_ = api::FindButton(kMousePause);
    mouseResume_ = api::FindButton(kMouseResume);
    mouseBack_ = api::FindButton(kMouseBack);
    api::SetColor(mouseResume_.Get(), kInvisible);
    api::SetColor(mouseBack_.Get(), kInvisible);
    selection = kResume;
    pulse = kPulseLow;
    pulseGrowing = true;
    pagesOpen = false;
    pageIndex = 0;
    cameraSaved = true;
    holdingView_ = false;
    pauseIconShown_ = ColourOf(mousePause_.Get()) >> 24 != 0;
    api::SetHowToPlayOpen(false);
    wipe_ = MenuFlow::FindWipe();
    hint_.Spawn(ControlPrompts::Screen::kPauseMenu, kHintLayer, kHintAt);
    hint_.Hide();
    legend_.Spawn(kHintLayer);
}

void PauseBehaviour::ShowMenu(bool shown) {
    for (size_t i = 0; i < sprites_.size(); ++i) api::SetColor(sprites_[i].Get(), shown ? savedColors_[i] : kInvisible);
}

void PauseBehaviour::Resume() {
    api::SetPaused(false);
    ShowMenu(false);
    if (holdingView_) {
        api::SetCameraZoom(savedZoom_);
        api::SetCameraPosition(savedView_);
        holdingView_ = false;
    }
    cameraSaved = true;
}

void PauseBehaviour::Select(int entry) {
    if (Engine::GameObj* old = sprites_[static_cast<size_t>(selection - 1)].Get()) api::SetScale(old, kEntryScale);
    selection = entry;
    pulse = kPulseLow;
    pulseGrowing = true;
}

void PauseBehaviour::OpenPages() {
    pagesBackground_ = api::Spawn(kPagesBackdropArchetype, 0.0f, 0.0f);
    pagesScreen_ = api::Spawn(kPagesArchetype, 0.0f, 0.0f);
    Engine::GameObj* backdrop = pagesBackground_.Get();
    api::SetColor(backdrop, kOpaqueBlack);
    api::SetScale(backdrop, {32.0f, 18.0f});
    api::SetPosition(backdrop, {0.0f, 0.0f});
    api::SetLayer(pagesScreen_.Get(), kPagesLayer);
    api::SetLayer(backdrop, kPagesBackdropLayer);
    ShowMenu(false);
    pageIndex = 0;
    api::SetTexture(pagesScreen_.Get(), HowToPlayPages::kTextures[0]);
    api::SetPosition(hint_.Get(), HowToPlayPages::FootLineAt(pagesScreen_.Get()));
    legend_.Show(pagesScreen_.Get(), pageIndex);
    // The pages' layers may be new: sorting keeps the key line in front of them.
    api::SortLayers();
    pagesOpen = true;
    // The mouse's way back, and the flag the mouse commands share.
    api::SetColor(mouseBack_.Get(), kShown);
    api::SetHowToPlayOpen(true);
}

void PauseBehaviour::ClosePages() {
    api::Destroy(pagesBackground_.Get());
    api::Destroy(pagesScreen_.Get());
    // Out of sight at once: the release waits for the end of the physics step.
    api::SetColor(pagesBackground_.Get(), kInvisible);
    api::SetColor(pagesScreen_.Get(), kInvisible);
    pagesBackground_.Reset();
    pagesScreen_.Reset();
    pagesOpen = false;
    api::SetPosition(hint_.Get(), kHintAt);
    legend_.Hide();
    api::SetColor(mouseBack_.Get(), kInvisible);
    api::SetHowToPlayOpen(false);
}

void PauseBehaviour::TurnPage(int direction) {
    pageIndex = HowToPlayPages::Turn(pageIndex, direction);
    api::SetTexture(pagesScreen_.Get(), HowToPlayPages::kTextures[static_cast<size_t>(pageIndex)]);
    legend_.Show(pagesScreen_.Get(), pageIndex);
    api::Play(kHover);
}

void PauseBehaviour::UpdatePages() {
    // The mouse's back button closed the pages (its command clears the shared flag).
    if (!api::HowToPlayOpen()) {
        api::Play(kReturn);
        ClosePages();
        return;
    }
    if (menu_.right) {
        TurnPage(+1);
        menu_.TakeMove();
    } else if (menu_.left) {
        TurnPage(-1);
        menu_.TakeMove();
    }
    if (menu_.back) {
        api::Play(kReturn);
        ClosePages();
    }
}

bool PauseBehaviour::LeaveFor(const std::string& key) {
    // This runs in AlwaysUpdate, while the rest of the level is mid-frame: the
    // level changes from a wipe's Update in the next frame instead, never from
    // here. A level without a wipe gets one, which covers at once and leaves.
    Transition* wipe = wipe_.Get();
    if (!wipe) {
        Engine::GameObj* cover = api::Spawn(kWipeArchetype, 0.0f, 0.0f);
        wipe = api::ScriptOf<Transition>(cover);
        if (!wipe) api::Destroy(cover);
    }
    if (wipe) return MenuFlow::LeaveTo(wipe, key);
    return api::LoadLevel(key);
}

void PauseBehaviour::Confirm() {
    api::Play(kClick);
    switch (selection) {
    case kResume:
        Resume();
        Select(kResume);
        return;
    case kRestart: {
        const std::string key = api::CurrentLevelStem();
        const std::string path = api::CurrentLevelPath();
        api::SetPaused(false);
        ShowMenu(false);
        if (api::LevelExists(key)) {
            LeaveFor(key);
        } else {
            // A level outside the table can only be opened by its path, at once;
            // this script is gone afterwards.
            api::LoadLevelFile(path);
        }
        return;
    }
    case kHowToPlay:
        OpenPages();
        return;
    case kControls:
        ShowMenu(false);
        hint_.Hide();
        controls_.Open(kPagesBackdropLayer, kPagesLayer);
        return;
    case kQuit:
        api::Stop(levels::Music());
        api::Stop(kStunned);
        api::ResetCamera();
        holdingView_ = false;
        api::SetPaused(false);
        ShowMenu(false);
        LeaveFor(kTitle);
        return;
    default:
        return;
    }
}

void PauseBehaviour::UpdateMenu(float dt) {
    ShowMenu(true);
    if (menu_.back) Resume();

    if (menu_.down || menu_.up) {
        const int target = menu_.down ? (selection < kQuit ? selection + 1 : selection)
                                      : (selection > kResume ? selection - 1 : selection);
        if (target != selection) Select(target);
        menu_.TakeMove();
        api::Play(kHover);
    }

    // The selected entry breathes between 1 and 1.5 times its size.
    pulse += pulseGrowing ? dt : -dt;
    if (pulseGrowing && pulse > kPulseHigh) pulseGrowing = false;
    if (!pulseGrowing && pulse < kPulseLow) pulseGrowing = true;
    for (int i = 0; i < kEntryCount; ++i) {
        Engine::GameObj* entry = sprites_[static_cast<size_t>(i)].Get();
        const bool chosen = i == selection - 1;
        api::SetTexture(entry, chosen ? kEntries[i].selected : kEntries[i].other);
        if (chosen) api::SetScale(entry, kEntryScale * pulse);
    }
    if (!api::Paused()) ShowMenu(false);

    if (menu_.confirm) Confirm();
}

void PauseBehaviour::UpdateControls(float dt) {
    if (controls_.Update(dt) == ControlsEditor::Outcome::kEditing) return;
    api::Play(kReturn);
    // The page read this frame's keys and pads; the menu's pads take their
    // state now, so a Back still held is not read as the menu's own back.
    menu_.Poll(0.0f);
    menu_.TakeMove();
}

void PauseBehaviour::FollowMouseButtons() {
    // The mouse's resume area never draws: the menu's own entry shows beneath it.
    api::SetColor(mouseResume_.Get(), kInvisible);
    Engine::GameObj* pause = mousePause_.Get();
    if (!pause) return;
    // Its command hides the button it was clicked on.
    const bool clicked = pauseIconShown_ && (ColourOf(pause) >> 24) == 0;
    if (!api::Paused() && clicked) {
        api::SetPaused(true);
        cameraSaved = true;
    }
    // The pause button shows while the game runs.
    pauseIconShown_ = !api::Paused();
    api::SetColor(pause, pauseIconShown_ ? kShown : kInvisible);
}

void PauseBehaviour::AlwaysUpdate(float dt) {
    if (!enabled) return;
    start1_.Poll(dt);
    start2_.Poll(dt);
    // The pause control opens the menu when it comes up, so its press cannot
    // reach the menu's own keys.
    const Engine::ActionMap actions = api::Actions();
    const bool startReleased = start1_.Released(actions.PadOf(1, Engine::Action::kPause)) ||
                               start2_.Released(actions.PadOf(2, Engine::Action::kPause));

    if (!api::Paused()) {
        // Resumed from outside (the mouse's resume area, a level script): tidy up.
        if (pagesOpen) ClosePages();
        controls_.Close();
        if (holdingView_) Resume();
        ShowMenu(false);
        cameraSaved = true;
        const bool key = api::KeyTriggered(actions.KeyOf(1, Engine::Action::kPause)) ||
                         api::KeyTriggered(actions.KeyOf(2, Engine::Action::kPause));
        if (startReleased || key) api::SetPaused(true);
        FollowMouseButtons();
        hint_.Hide();
        return;
    }
    // The controls page reads the keys itself, to the last one (a new binding).
    if (controls_.IsOpen()) {
        // The page has its own key line.
        hint_.Hide();
        FollowMouseButtons();
        UpdateControls(dt);
        return;
    }
    // Read only while paused: a key's press is seen by one query, and while the
    // game runs its keys belong to the birds.
    menu_.Poll(dt);
    FollowMouseButtons();

    if (cameraSaved) {
        savedView_ = api::CameraPosition();
        savedZoom_ = api::CameraZoom();
        holdingView_ = true;
        api::ResetCamera();
        cameraSaved = false;
    }

    if (pagesOpen)
        UpdatePages();
    else
        UpdateMenu(dt);
    if (api::Paused()) {
        hint_.Show(pagesOpen ? ControlPrompts::Screen::kHowToPlay : ControlPrompts::Screen::kPauseMenu);
        legend_.Refresh();
    }
}
