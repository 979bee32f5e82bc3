#include "game/menus/option.h"

#include <algorithm>
#include <cmath>

#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"
#include "input/input.h"
#include "input/virtual_keys.h"
#include "logic/game_logic.h"
#include "logic/script_registry.h"
#include "objects/game_obj.h"
#include "sound/audio_engine.h"
#include "sound/sound.h"
#include "window/window.h"

REGISTER_SCRIPT("Option", Option);

namespace {
// Ten steps of a tenth do not add up to exactly 1 in floats; a step that lands
// this close to an end still counts as on the track.
constexpr float kTrackTolerance = 1e-3f;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
constexpr uint32_t kClearWhite = 0x00FFFFFFu;
}  // namespace

Option::Option(Engine::GameObj* owner) : ScriptBase(owner) { name = "Option"; }

void Option::Init() {
    wipe_ = MenuFlow::FindWipe();
    selector_ = MenuFlow::FindLevelObject("Selector");
    entries_ = {MenuFlow::FindLevelObject("Vol_Text"), MenuFlow::FindLevelObject("Mute_Text"),
                MenuFlow::FindLevelObject("FullScreen")};
    slider_ = MenuFlow::FindLevelObject("VolSlider");
    track_ = MenuFlow::FindLevelObject("Vol_BG");
    muteTick_ = MenuFlow::FindLevelObject("MuteCheck");
    muteBox_ = MenuFlow::FindLevelObject("MuteCheck_BG");
    fullScreenTick_ = MenuFlow::FindLevelObject("FSCheck");
    ribbon_ = MenuFlow::FindLevelObject("BGRibbon");
    if (selector_) selectorX_ = selector_->transform->position.x;

    selected = kVolume;
    if (Engine::GameObj* volume = entries_[kVolume]) {
        selectedPosition_ = volume->transform->position;
        selectedScale_ = volume->transform->scale;
    }

    // The box shows the player's own choice; a mute that only comes from the
    // window being in the background is not the player's.
    if (Engine::Sound::instance)
        muteChecked = Engine::Sound::instance->userMuted;
    else
        muteChecked = Engine::AudioEngine::instance && Engine::AudioEngine::instance->muted;
    const float volume = Engine::AudioEngine::instance ? Engine::AudioEngine::instance->volume : 1.0f;
    if (slider_) slider_->transform->position.x += (volume - 0.5f) * kSliderSpan;
    PlaceTick();
    if (Engine::GameLogic::instance) ShowFullScreenTick(Engine::GameLogic::instance->fullscreen);
}

float Option::TrackLeft() const {
    return track_ ? track_->transform->position.x - track_->transform->scale.x / 2.0f : 0.0f;
}

float Option::TrackRight() const {
    return track_ ? track_->transform->position.x + track_->transform->scale.x / 2.0f : 0.0f;
}

void Option::PlaceTick() {
    if (!muteTick_ || !muteBox_) return;
    muteTick_->transform->position = muteBox_->transform->position;
    if (!muteChecked) muteTick_->transform->position.x += kTickAwayOffset;
}

void Option::ShowFullScreenTick(bool shown) {
    Engine::SetColor(fullScreenTick_, shown ? kOpaqueWhite : kClearWhite);
}

void Option::Select(int index) {
    if (Engine::GameObj* previous = entries_[selected]) {
        previous->transform->position = selectedPosition_;
        previous->transform->scale = selectedScale_;
    }
    if (selected == kVolume && index == kMute && selector_) selector_->transform->position.x = selectorX_;
    selected = index;
    if (Engine::GameObj* next = entries_[selected]) {
        selectedPosition_ = next->transform->position;
        selectedScale_ = next->transform->scale;
        if (selector_) selector_->transform->position.y = selectedPosition_.y;
    }
    pulse_.Restart();
}

bool Option::MoveSlider(float direction) {
    if (!slider_ || !track_) return false;
    const float left = TrackLeft();
    const float length = TrackRight() - left;
    if (length <= 0.0f) return false;
    const float x = slider_->transform->position.x + direction * length / 10.0f;
    const float fraction = (x - left) / length;
    if (fraction < -kTrackTolerance || fraction > 1.0f + kTrackTolerance) return false;
    // Snap onto the track so rounding never walks the slider off its ends.
    const float onTrack = std::clamp(fraction, 0.0f, 1.0f);
    slider_->transform->position.x = left + onTrack * length;
    Engine::SetVolume(onTrack);
    return true;
}

void Option::Confirm() {
    if (selected == kMute) {
        muteChecked = !muteChecked;
        if (Engine::Sound::instance)
            Engine::Sound::instance->SetUserMuted(muteChecked);
        else
            Engine::SetMuted(muteChecked);
        PlaceTick();
    } else if (selected == kFullScreen && Engine::GameLogic::instance) {
        bool& fullscreen = Engine::GameLogic::instance->fullscreen;
        fullscreen = !fullscreen;
        ShowFullScreenTick(fullscreen);
        if (Engine::Window* window = Engine::Window::instance) {
            if (fullscreen)
                window->EnterFullscreen();
            else
                window->LeaveFullscreenCentred();
        }
    }
    Engine::PlayEvent("event:/Button_Click");
}

void Option::Back() {
    if (wipe_) {
        wipe_->leaving = true;
        wipe_->Start("MainMenu_KR");
        if (Engine::Input::instance) Engine::Input::instance->active = false;
        Engine::PlayEvent("event:/Menu_Return");
    } else {
        // Unloads this level, this script included.
        MenuFlow::LoadLevelByKey("MainMenu_KR");
    }
}

void Option::Update(float dt) {
    pad_.Poll(dt);
    if (ribbon_) ribbon_->transform->position.y += kSwayRate * dt * sway_.Step(dt);
    if (Engine::GameObj* entry = entries_[selected]) {
        const float direction = pulse_.Step(dt);
        entry->transform->scale.x += kPulseRateX * dt * direction;
        entry->transform->scale.y += kPulseRateY * dt * direction;
    }

    Engine::Input* input = Engine::Input::instance;
    auto key = [input](Engine::VirtualKey k) { return input && input->IsKeyTriggered(k); };

    const bool down = pad_.Triggered(Engine::kButtonDpadDown) || pad_.downRequest || key('S');
    const bool up = !down && (pad_.Triggered(Engine::kButtonDpadUp) || pad_.upRequest || key('W'));
    if (down || up) {
        if (down && selected < kFullScreen) Select(selected + 1);
        if (up && selected > kVolume) Select(selected - 1);
        pad_.TakeMove();
        Engine::PlayEvent("event:/Button_Hover");
    }

    if (selected == kVolume) {
        const bool left = key('A') || key(Engine::VK_LEFT) || pad_.leftRequest;
        const bool right = !left && (key('D') || key(Engine::VK_RIGHT) || pad_.rightRequest);
        if (left || right) {
            MoveSlider(left ? -1.0f : 1.0f);
            pad_.TakeMove();
        }
    }

    if (pad_.Triggered(Engine::kButtonA) || key('F')) Confirm();
    if (pad_.Triggered(Engine::kButtonB) || key(Engine::VK_ESCAPE)) Back();
}
