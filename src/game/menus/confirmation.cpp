#include "game/menus/confirmation.h"

#include "api/script_api.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"

REGISTER_SCRIPT("Confirmation", Confirmation);

namespace {
const api::LevelKey kTitle{"MainMenu_KR"};
const api::ObjectName kYes{"Yes"};
const api::ObjectName kNo{"No"};
const api::ObjectName kArrow{"Arrow"};
const api::TextureName kYesChosen{"MenuYes_Red"};
const api::TextureName kYesFaded{"MenuYes_FadeRed"};
const api::TextureName kNoChosen{"MenuNo_Red"};
const api::TextureName kNoFaded{"MenuNo_FadeRed"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClick{"event:/Button_Click"};
const api::SoundEvent kReturn{"event:/Menu_Return"};
}  // namespace

void Confirmation::Init() {
    yes_ = api::Find(kYes);
    no_ = api::Find(kNo);
    arrow_ = api::Find(kArrow);
    wipe_ = MenuFlow::FindWipe();
    yesSelected = false;
}

void Confirmation::Show(bool yes) {
    yesSelected = yes;
    api::SetTexture(yes_.Get(), yes ? kYesChosen : kYesFaded);
    api::SetTexture(no_.Get(), yes ? kNoFaded : kNoChosen);
    api::SetScale(yes_.Get(), yes ? Engine::vec2{2.5f, 1.3f} : Engine::vec2{1.5f, 0.8f});
    api::SetScale(no_.Get(), yes ? Engine::vec2{1.0f, 0.7f} : Engine::vec2{2.5f, 1.5f});
    if (Engine::GameObj* chosen = (yes ? yes_ : no_).Get())
        if (Engine::GameObj* arrow = arrow_.Get()) api::SetPosition(arrow, {api::Position(arrow).x, api::Position(chosen).y});
    pulse_.Restart();
}

void Confirmation::Update(float dt) {
    if (!wipe_ || !wipe_->revealed) return;
    menu_.Poll(dt);

    if (Engine::GameObj* entry = (yesSelected ? yes_ : no_).Get()) {
        const float amount = kPulseRate * dt * pulse_.Step(dt);
        api::SetScale(entry, api::Scale(entry) + Engine::vec2{amount, amount});
    }

    if (menu_.down || menu_.up) {
        if (menu_.down && yesSelected) Show(false);
        if (menu_.up && !yesSelected) Show(true);
        menu_.TakeMove();
        api::Play(kHover);
    }

    if (!menu_.confirm) return;
    if (yesSelected) {
        api::Play(kClick);
        api::Quit();  // the program stops once this frame is over
    } else {
        api::Play(kReturn);
        MenuFlow::LeaveTo(wipe_.Get(), kTitle);
    }
}
