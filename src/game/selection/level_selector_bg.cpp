#include "game/selection/level_selector_bg.h"

#include "api/actions.h"
#include "api/script_api.h"
#include "game/game_values.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"
#include "game/selection/bird_table.h"

REGISTER_SCRIPT("LevelSelectorBG", LevelSelectorBG);

namespace {
const api::ObjectName kSelector{"Selector"};
const api::ObjectName kCurrentText{"CurrentText"};
const api::ObjectName kRedText{"RedText"};
const api::ObjectName kBlueText{"BlueText"};
const api::ObjectName kMidGround{"MidGround"};
const api::ObjectName kInfoScreen{"InfoScreen"};
const api::ObjectName kHint{"Hint"};
const api::LevelKey kVersus{"VSscreen"};
const api::SoundEvent kSelectMode{"event:/Select_Mode"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClick{"event:/Button_Click"};

api::MenuKeys BackdropKeys() {
    api::MenuKeys keys = api::MenuKeys::OfPlayer(1);
    keys.up.clear();
    keys.down.clear();
    keys.left.clear();
    keys.right.clear();
    keys.back.clear();  // the selector's script goes back
    return keys;
}
}  // namespace

void LevelSelectorBG::Init() {
    wipe_ = MenuFlow::FindWipe();
    selector_ = api::Find(kSelector);
    for (size_t i = 0; i < slots_.size(); ++i) slots_[i] = api::Find(Selection::kLevels[i].slot);
    currentText_ = api::Find(kCurrentText);
    redText_ = api::Find(kRedText);
    blueText_ = api::Find(kBlueText);
    midGround_ = api::Find(kMidGround);
    infoScreen_ = api::Find(kInfoScreen);
    hint_.Attach(api::Find(kHint), ControlPrompts::Screen::kLevelSelection);
    menu_ = api::MenuInput{{1}, BackdropKeys()};
    infoShown = false;
    leaving_ = false;
    api::SetColor(infoScreen_.Get(), kHiddenColour);
    api::Play(kSelectMode);
}

void LevelSelectorBG::Restyle(size_t row) {
    const Selection::LevelLook& level = Selection::kLevels[row];
    Game::chosenLevel = level.chosenLevel;
    api::SetTexture(infoScreen_.Get(), level.info);
    for (size_t i = 0; i < slots_.size(); ++i) {
        const size_t apart = i > row ? i - row : row - i;
        if (apart == 0) api::SetColor(slots_[i].Get(), kLitColour);
        if (apart == 1) api::SetColor(slots_[i].Get(), kDimColour);
    }
    Engine::GameObj* mid = midGround_.Get();
    if (mid && api::TextureOf(mid) == level.midGround) return;
    api::SetTexture(mid, level.midGround);
    api::SetScale(mid, level.midGroundScale);
    api::SetTexture(redText_.Get(), level.redText);
    api::SetScale(redText_.Get(), level.redScale);
    api::SetTexture(blueText_.Get(), level.blueText);
    api::SetScale(blueText_.Get(), level.blueScale);
    api::SetTexture(currentText_.Get(), level.currentText);
    api::SetScale(currentText_.Get(), level.currentScale);
}

void LevelSelectorBG::Update(float dt) {
    if (!wipe_ || !wipe_->revealed || leaving_) return;
    menu_.Poll(dt);
    hint_.Refresh();
    if (Engine::GameObj* selector = selector_.Get())
        api::SetPosition(owner, {api::Position(selector).x, api::Position(owner).y});
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i] && api::Position(slots_[i].Get()).x == api::Position(owner).x) Restyle(i);

    if (menu_.confirm) {
        api::Play(kClick);
        leaving_ = MenuFlow::LeaveTo(wipe_.Get(), kVersus);
        return;
    }
    if (api::KeyTriggered(api::ActionKey(1, Engine::Action::kSkill)) || menu_.pads[0].Triggered(Engine::kButtonX)) {
        infoShown = !infoShown;
        api::SetColor(infoScreen_.Get(), infoShown ? kLitColour : kHiddenColour);
        api::Play(kHover);
    }
}
