#include "game/selection/level_selector.h"

#include "api/script_api.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"

REGISTER_SCRIPT("LevelSelector", LevelSelector);

namespace {
const api::LevelKey kBirdSelection{"BirdSelectionScreen"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kReturn{"event:/Menu_Return"};

api::MenuKeys SelectorKeys() {
    api::MenuKeys keys = api::MenuKeys::OfPlayer(1);
    keys.up.clear();
    keys.down.clear();
    keys.confirm.clear();  // the backdrop's script confirms
    return keys;
}
}  // namespace

void LevelSelector::Init() {
    wipe_ = MenuFlow::FindWipe();
    menu_ = api::MenuInput{{1}, SelectorKeys()};
    leaving_ = false;
}

void LevelSelector::Update(float dt) {
    if (!wipe_ || !wipe_->revealed || leaving_) return;
    menu_.Poll(dt);
    const float x = api::Position(owner).x;
    if (menu_.left) {
        if (x > -kStep) api::MoveBy(owner, {-kStep, 0.0f});
        api::Play(kHover);
        menu_.TakeMove();
    } else if (menu_.right) {
        if (x < kStep) api::MoveBy(owner, {kStep, 0.0f});
        api::Play(kHover);
        menu_.TakeMove();
    }
    if (menu_.back) {
        api::Play(kReturn);
        leaving_ = MenuFlow::LeaveTo(wipe_.Get(), kBirdSelection);
    }
}
