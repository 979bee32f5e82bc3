#include "game/pause/how_to_play_script.h"

#include "api/script_api.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"
#include "game/pause/how_to_play_pages.h"

REGISTER_SCRIPT("HowToPlayScript", HowToPlayScript);

namespace {
const api::ObjectName kMidGround{"MidGround"};
const api::ObjectName kRibbon{"Ribbon"};
const api::LevelKey kTitle{"MainMenu_KR"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kReturn{"event:/Menu_Return"};
}  // namespace

void HowToPlayScript::Init() {
    wipe_ = MenuFlow::FindWipe();
    midGround_ = api::Find(kMidGround);
    ribbon_ = api::Find(kRibbon);
    leaving_ = false;
    hint_.Spawn(ControlPrompts::Screen::kHowToPlay, kHintLayer, HowToPlayPages::FootLineAt(midGround_.Get()));
    legend_.Spawn(kHintLayer);
    Show(0);
}

void HowToPlayScript::Show(int newPage) {
    page = newPage;
    api::SetTexture(midGround_.Get(), HowToPlayPages::kTextures[static_cast<size_t>(page)]);
    legend_.Show(midGround_.Get(), page);
}

void HowToPlayScript::Update(float dt) {
    if ((wipe_ && !wipe_->revealed) || leaving_) return;
    menu_.Poll(dt);
    hint_.Refresh();
    legend_.Refresh();
    api::MoveBy(ribbon_.Get(), {0.0f, kSwayRate * dt * sway_.Step(dt)});

    if (menu_.left || menu_.right) {
        Show(HowToPlayPages::Turn(page, menu_.left ? -1 : +1));
        menu_.TakeMove();
        api::Play(kHover);
    }
    if (menu_.back) {
        api::Play(kReturn);
        leaving_ = MenuFlow::LeaveTo(wipe_.Get(), kTitle);
    }
}
