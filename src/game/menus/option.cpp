#include "game/menus/option.h"

#include <algorithm>
#include <cmath>

#include "api/labels.h"
#include "api/script_api.h"
#include "api/user_settings.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"

REGISTER_SCRIPT("Option", Option);

namespace {
// Ten steps of a tenth do not add up to exactly 1 in floats; a step that lands
// this close to an end still counts as on the track.
constexpr float kTrackTolerance = 1e-3f;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
constexpr uint32_t kClearWhite = 0x00FFFFFFu;

const api::LevelKey kTitle{"MainMenu_KR"};
const api::SoundEvent kClick{"event:/Button_Click"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kReturn{"event:/Menu_Return"};
const api::ObjectName kSelector{"Selector"};
const api::ObjectName kVolumeText{"Vol_Text"};
const api::ObjectName kMuteText{"Mute_Text"};
const api::ObjectName kFullScreenText{"FullScreen"};
const api::ObjectName kSlider{"VolSlider"};
const api::ObjectName kTrack{"Vol_BG"};
const api::ObjectName kMuteTick{"MuteCheck"};
const api::ObjectName kMuteBox{"MuteCheck_BG"};
const api::ObjectName kFullScreenTick{"FSCheck"};
const api::ObjectName kRibbon{"BGRibbon"};
const api::ObjectName kMusicText{"Music_Text"};
const api::ObjectName kEffectsText{"Effects_Text"};
const api::ObjectName kVsyncText{"VSync_Text"};
const api::ObjectName kMusicSlider{"MusicSlider"};
const api::ObjectName kMusicTrack{"Music_BG"};
const api::ObjectName kEffectsSlider{"EffectsSlider"};
const api::ObjectName kEffectsTrack{"Effects_BG"};
const api::ObjectName kVsyncTick{"VSCheck"};
const api::ObjectName kControlsHint{"ControlsHint"};
const api::LevelKey kControls{"ControlsLevel"};
constexpr Engine::VirtualKey kControlsKey = 'C';
}  // namespace

void Option::Init() {
    wipe_ = MenuFlow::FindWipe();
    selection_.Reset({api::Find(kVolumeText), api::Find(kMuteText), api::Find(kFullScreenText), api::Find(kMusicText),
                      api::Find(kEffectsText), api::Find(kVsyncText)},
                     api::Find(kSelector));
    sliders_ = {Slider{api::Find(kSlider), api::Find(kTrack), &api::SetVolume},
                Slider{api::Find(kMusicSlider), api::Find(kMusicTrack), &api::SetMusicVolume},
                Slider{api::Find(kEffectsSlider), api::Find(kEffectsTrack), &api::SetEffectsVolume}};
    muteTick_ = api::Find(kMuteTick);
    muteBox_ = api::Find(kMuteBox);
    fullScreenTick_ = api::Find(kFullScreenTick);
    vsyncTick_ = api::Find(kVsyncTick);
    ribbon_ = api::Find(kRibbon);

    // The box shows the player's own choice; a mute that only comes from the
    // window being in the background is not the player's.
    muteChecked = api::PlayerMuted();
    const float volumes[3] = {api::Volume(), api::MusicVolume(), api::EffectsVolume()};
    for (size_t i = 0; i < sliders_.size(); ++i)
        api::MoveBy(sliders_[i].knob.Get(), {(volumes[i] - 0.5f) * kSliderSpan, 0.0f});
    PlaceTick();
    ShowTick(fullScreenTick_, api::FullScreen());
    ShowTick(vsyncTick_, api::Vsync());
    api::SetFont(api::Find(kControlsHint), "BerlinSans", 30);
}

float Option::TrackLeft(const Slider& slider) {
    return api::Position(slider.track.Get()).x - api::Scale(slider.track.Get()).x / 2.0f;
}

float Option::TrackRight(const Slider& slider) {
    return api::Position(slider.track.Get()).x + api::Scale(slider.track.Get()).x / 2.0f;
}

Option::Slider* Option::SelectedSlider() {
    if (selected() == kVolume) return &sliders_[0];
    if (selected() == kMusic) return &sliders_[1];
    if (selected() == kEffects) return &sliders_[2];
    return nullptr;
}

void Option::PlaceTick() {
    if (!muteTick_ || !muteBox_) return;
    api::SetPosition(muteTick_.Get(), api::Position(muteBox_.Get()) + Engine::vec2{muteChecked ? 0.0f : kTickAwayOffset, 0.0f});
}

void Option::ShowTick(const api::ObjectRef& tick, bool shown) {
    api::SetColor(tick.Get(), shown ? kOpaqueWhite : kClearWhite);
}

bool Option::MoveSlider(Slider& slider, float direction) {
    if (!slider.knob || !slider.track) return false;
    const float left = TrackLeft(slider);
    const float length = TrackRight(slider) - left;
    if (length <= 0.0f) return false;
    const float x = api::Position(slider.knob.Get()).x + direction * length / 10.0f;
    const float fraction = (x - left) / length;
    if (fraction < -kTrackTolerance || fraction > 1.0f + kTrackTolerance) return false;
    // Snap onto the track so rounding never walks the slider off its ends.
    const float onTrack = std::clamp(fraction, 0.0f, 1.0f);
    api::SetPosition(slider.knob.Get(), {left + onTrack * length, api::Position(slider.knob.Get()).y});
    slider.apply(onTrack);
    return true;
}

void Option::Confirm() {
    if (selected() == kMute) {
        muteChecked = !muteChecked;
        api::SetPlayerMuted(muteChecked);
        PlaceTick();
    } else if (selected() == kFullScreen) {
        api::SetFullScreen(!api::FullScreen());
        ShowTick(fullScreenTick_, api::FullScreen());
    } else if (selected() == kVsync) {
        api::SetVsync(!api::Vsync());
        ShowTick(vsyncTick_, api::Vsync());
    }
    api::Play(kClick);
}

void Option::Back() {
    // What the player chose is kept even if the game never reaches a clean exit.
    api::SaveSettings();
    // Without a wipe this unloads the level, this script included.
    if (wipe_) api::Play(kReturn);
    MenuFlow::LeaveTo(wipe_.Get(), kTitle);
}

void Option::Update(float dt) {
    menu_.Poll(dt);
    api::MoveBy(ribbon_.Get(), {0.0f, kSwayRate * dt * sway_.Step(dt)});
    selection_.Step(dt);

    if (menu_.down || menu_.up) {
        selection_.Select(selected() + (menu_.down ? 1 : -1));
        menu_.TakeMove();
        api::Play(kHover);
    }

    Slider* slider = SelectedSlider();
    if (slider && (menu_.left || menu_.right)) {
        MoveSlider(*slider, menu_.left ? -1.0f : 1.0f);
        menu_.TakeMove();
    }

    if (menu_.confirm) Confirm();
    if (menu_.back) {
        Back();
        return;
    }
    // C or a pad's Y opens the controls screen, as the hint at the foot says.
    const bool controls = api::KeyTriggered(kControlsKey) ||
                          std::any_of(menu_.pads.begin(), menu_.pads.end(),
                                      [](MenuPad& pad) { return pad.Triggered(Engine::kButtonY); });
    if (controls) {
        api::SaveSettings();
        api::Play(kClick);
        MenuFlow::LeaveTo(wipe_.Get(), kControls);
    }
}
