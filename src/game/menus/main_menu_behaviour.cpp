#include "game/menus/main_menu_behaviour.h"

#include <iostream>

#include "game/game_values.h"
#include "game/menus/menu_flow.h"
#include "graphics/label.h"
#include "input/input.h"
#include "input/virtual_keys.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "logic/script_registry.h"
#include "objects/game_object_factory.h"

REGISTER_SCRIPT("MainMenuBehaviour", MainMenuBehaviour);

const std::array<const char*, 5> MainMenuBehaviour::kButtonNames = {"Start", "HowToPlay", "Credits", "Options",
                                                                     "Quit"};

MainMenuBehaviour::MainMenuBehaviour(Engine::GameObj* owner) : ScriptBase(owner) { name = "MainMenuBehaviour"; }

void MainMenuBehaviour::Init() {
    coop2_ = MenuFlow::FindLevelObject("Coop2P");
    coop4_ = MenuFlow::FindLevelObject("Coop4P");
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
    Engine::GameLogic* logic = Engine::GameLogic::instance;
    if (!logic) return;
    for (size_t i = 0; i < kButtonNames.size(); ++i)
        for (const auto& button : logic->buttonPool)
            if (button->active && button->name == kButtonNames[i]) {
                buttons_[i] = button.get();
                break;
            }
    ColourButtons();
}

// The captions carry the colour: a black or red word on the button's face.
void MainMenuBehaviour::ColourButtons() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        Engine::Buttons* button = buttons_[i];
        if (!button || !button->caption) continue;
        button->caption->SetColor(static_cast<int>(i) == selection ? kSelectedColor : kOtherColor);
    }
}

void MainMenuBehaviour::ColourModes() {
    Engine::SetColor(coop2_, mode == 1 ? kChosenModeColor : kOtherModeColor);
    Engine::SetColor(coop4_, mode == 2 ? kChosenModeColor : kOtherModeColor);
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

void MainMenuBehaviour::UpdateMenu() {
    Engine::Input* input = Engine::Input::instance;
    auto key = [input](Engine::VirtualKey k) { return input && input->IsKeyTriggered(k); };
    const int before = selection;
    if ((key(Engine::VK_UP) || pad_.Triggered(Engine::kButtonDpadUp)) && selection > 0) --selection;
    if ((key(Engine::VK_DOWN) || pad_.Triggered(Engine::kButtonDpadDown)) && selection <= 3) ++selection;
    if (selection != before) ColourButtons();

    const bool confirm = pad_.Triggered(Engine::kButtonA) || key(Engine::VK_RETURN) || key('X');
    if (confirm && selection == 0) {
        choosingMode = true;
        ColourModes();
    }
}

void MainMenuBehaviour::UpdateModeChoice() {
    Engine::Input* input = Engine::Input::instance;
    auto key = [input](Engine::VirtualKey k) { return input && input->IsKeyTriggered(k); };
    if (key(Engine::VK_LEFT) || pad_.Triggered(Engine::kButtonDpadLeft)) ++mode;
    if (key(Engine::VK_RIGHT) || pad_.Triggered(Engine::kButtonDpadRight)) --mode;
    if (mode > 2) mode = 1;
    if (mode < 1) mode = 2;
    ColourModes();

    if (key('Z') || pad_.Triggered(Engine::kButtonB)) {
        choosingMode = false;
        Engine::SetColor(coop2_, kHiddenColor);
        Engine::SetColor(coop4_, kHiddenColor);
        return;
    }
    if (key('X') || pad_.Triggered(Engine::kButtonA)) {
        Game::coopPlayerCount = mode == 1 ? 2 : 4;
        // Loading unloads the current level first; this script is gone afterwards.
        MenuFlow::LoadLevelByKey("BirdSelectionScreen");
    }
}
