#include "game/menus/main_menu_behaviour.h"

#include <iostream>

#include "api/drawing.h"
#include "api/script_api.h"
#include "game/game_values.h"
#include "api/buttons.h"

REGISTER_SCRIPT("MainMenuBehaviour", MainMenuBehaviour);

const std::array<const char*, 5> MainMenuBehaviour::kButtonNames = {"Start", "HowToPlay", "Credits", "Options",
                                                                     "Quit"};

namespace {
const api::NameList kButtonNameList{api::NameKind::Object, MainMenuBehaviour::kButtonNames};
// The mode chosen here is a co-op player count, which only the co-op picker reads;
// the two-player versus selection would ignore it.
const api::LevelKey kCoopPicker{"CoopSelection"};
const api::LevelKey kTitle{"MainMenu_KR"};
const api::SoundEvent kReturn{"event:/Menu_Return"};
const api::ObjectName kCoop2{"Coop2P"};
const api::ObjectName kCoop4{"Coop4P"};
}  // namespace

void MainMenuBehaviour::Init() {
    coop2_ = api::Find(kCoop2);
    coop4_ = api::Find(kCoop4);
    ready = coop2_ && coop4_;
    if (!ready) {
        std::cout << "MainMenuBehaviour: the level has no \"" << (coop2_ ? "Coop4P" : "Coop2P")
                  << "\" object; the co-op menu stays idle" << std::endl;
    }
    selection = 0;
    choosingMode = false;
    mode = 0;
}

void MainMenuBehaviour::CollectButtons() {
    buttonsCollected_ = true;
    for (size_t i = 0; i < kButtonNames.size(); ++i) buttons_[i] = api::FindButton(kButtonNames[i]);
    ColourButtons();
}

// The captions carry the colour: a black or red word on the button's face.
void MainMenuBehaviour::ColourButtons() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = static_cast<Engine::Buttons*>(buttons_[i].Get());
        if (!button || !button->caption) continue;
        button->caption->SetColor(static_cast<int>(i) == selection ? kSelectedColor : kOtherColor);
    }
}

void MainMenuBehaviour::ColourModes() {
    api::SetColor(coop2_.Get(), mode == 1 ? kChosenModeColor : kOtherModeColor);
    api::SetColor(coop4_.Get(), mode == 2 ? kChosenModeColor : kOtherModeColor);
}

void MainMenuBehaviour::Update(float dt) {
    if (!ready) return;
    if (!buttonsCollected_) CollectButtons();
    pad_.Poll(dt);
    // The choice wraps: past either end it comes round to the other mode.
    if (mode > 2) mode = 1;
    if (mode < 1) mode = 2;
    if (choosingMode)
        UpdateModeChoice();
    else
        UpdateMenu();
}

namespace {
bool key(Engine::VirtualKey k) { return api::KeyTriggered(k); }
}  // namespace

void MainMenuBehaviour::UpdateMenu() {
    const int before = selection;
    if ((key(Engine::VK_UP) || pad_.Triggered(Engine::kButtonDpadUp)) && selection > 0) --selection;
    if ((key(Engine::VK_DOWN) || pad_.Triggered(Engine::kButtonDpadDown)) && selection <= 3) ++selection;
    if (selection != before) ColourButtons();

    const bool confirm = pad_.Triggered(Engine::kButtonA) || key(Engine::VK_RETURN) || key('X');
    if (confirm && selection == 0) {
        choosingMode = true;
        ColourModes();
        return;
    }
    // The other entries do what a click on them does, so the keys and the pad
    // reach every entry the mouse does.
    if (confirm) {
        if (auto* button = static_cast<Engine::Buttons*>(buttons_[selection].Get())) button->Press();
        return;
    }
    // Without a way back a pad player would be held here after a match.
    if (key(Engine::VK_ESCAPE) || pad_.Triggered(Engine::kButtonB)) {
        api::Play(kReturn);
        api::LoadLevel(kTitle);
    }
}

void MainMenuBehaviour::UpdateModeChoice() {
    if (key(Engine::VK_LEFT) || pad_.Triggered(Engine::kButtonDpadLeft)) ++mode;
    if (key(Engine::VK_RIGHT) || pad_.Triggered(Engine::kButtonDpadRight)) --mode;
    if (mode > 2) mode = 1;
    if (mode < 1) mode = 2;
    ColourModes();

    if (key('Z') || pad_.Triggered(Engine::kButtonB)) {
        choosingMode = false;
        api::SetColor(coop2_.Get(), kHiddenColor);
        api::SetColor(coop4_.Get(), kHiddenColor);
        return;
    }
    if (key('X') || pad_.Triggered(Engine::kButtonA)) {
        Game::coopPlayerCount = mode == 1 ? 2 : 4;
        // Loading unloads the current level first; this script is gone afterwards.
        api::LoadLevel(kCoopPicker);
    }
}
