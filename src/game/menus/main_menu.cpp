#include "game/menus/main_menu.h"

#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"
#include "graphics/animator.h"
#include "input/input.h"
#include "input/virtual_keys.h"
#include "logic/script_registry.h"
#include "objects/game_obj.h"
#include "sound/audio_engine.h"

REGISTER_SCRIPT("MainMenu", MainMenu);

const std::array<MainMenu::Entry, 6> MainMenu::kEntries = {{
    {"Play", "MenuPlay_Red", "MenuPlay_Blue", MenuFlow::LevelKey("BirdSelectionScreen")},
    {"Practice", "Menu_Practice_Red", "Menu_Practice_Blue", MenuFlow::LevelKey("PRBirdSelectionScreen")},
    {"HowToPlay", "MenuHowToPlay_Red", "MenuHowToPlay_Blue", MenuFlow::LevelKey("HowToPlay")},
    {"Option", "MenuOption_Red", "MenuOption_Blue", MenuFlow::LevelKey("OptionLevel")},
    {"Credits", "MenuCredit_Red", "MenuCredit_Blue", MenuFlow::LevelKey("CreditsLevel")},
    {"Quit", "MenuQuit_Red", "MenuQuit_Blue", MenuFlow::LevelKey("CSelection")},
}};

namespace {
constexpr const char* kMusic = "event:/Menu_BGM";
}

MainMenu::MainMenu(Engine::GameObj* owner) : ScriptBase(owner) { name = "MainMenu"; }

void MainMenu::Init() {
    wipe_ = MenuFlow::FindWipe();
    zora_ = MenuFlow::FindLevelObject("Zora");
    vidi_ = MenuFlow::FindLevelObject("Vidi");
    ribbon_ = MenuFlow::FindLevelObject("BGRibbon");
    arrow_ = MenuFlow::FindLevelObject("Arrow");
    for (size_t i = 0; i < kEntries.size(); ++i) {
        entries_[i] = MenuFlow::FindLevelObject(kEntries[i].object);
        Engine::SetTexture(entries_[i], kEntries[i].otherTexture);
    }
    if (arrow_) arrowX_ = arrow_->transform->position.x;

    selected = 0;
    if (Engine::GameObj* play = entries_[0]) {
        selectedPosition_ = play->transform->position;
        selectedScale_ = play->transform->scale;
        Engine::SetTexture(play, kEntries[0].selectedTexture);
    }
    if (ribbon_)
        if (Engine::graphics::Animator* animator = ribbon_->GetAnimator()) animator->frameTime = 1.0f;
    if (!Engine::IsEventPlaying(kMusic)) {
        Engine::PlayEvent(kMusic);
        Engine::SetEventParameter(0.0f, kMusic, "Game_Start");
    }
}

void MainMenu::Select(int index) {
    if (Engine::GameObj* previous = entries_[selected]) {
        previous->transform->position = selectedPosition_;
        previous->transform->scale = selectedScale_;
        Engine::SetTexture(previous, kEntries[selected].otherTexture);
    }
    if (selected == 0 && index == 1 && arrow_) arrow_->transform->position.x = arrowX_;
    selected = index;
    if (Engine::GameObj* next = entries_[selected]) {
        selectedPosition_ = next->transform->position;
        selectedScale_ = next->transform->scale;
        Engine::SetTexture(next, kEntries[selected].selectedTexture);
        if (arrow_) arrow_->transform->position.y = selectedPosition_.y;
    }
    pulse_.Restart();
}

void MainMenu::Sway(float dt) {
    const float amount = kSwayRate * dt * sway_.Step(dt);
    if (zora_) {
        zora_->transform->scale.x += amount;
        zora_->transform->scale.y += amount;
    }
    if (ribbon_) ribbon_->transform->position.y += amount;
    if (vidi_) {
        vidi_->transform->scale.x += amount;
        vidi_->transform->scale.y -= amount;
    }
}

void MainMenu::Pulse(float dt) {
    Engine::GameObj* entry = entries_[selected];
    if (!entry) return;
    const float direction = pulse_.Step(dt);
    entry->transform->scale.x += kPulseRateX * dt * direction;
    entry->transform->scale.y += kPulseRateY * dt * direction;
}

void MainMenu::Update(float dt) {
    pad_.Poll(dt);
    Sway(dt);
    Pulse(dt);

    Engine::Input* input = Engine::Input::instance;
    const bool down = pad_.Triggered(Engine::kButtonDpadDown) || pad_.downRequest ||
                      (input && input->IsKeyTriggered(Engine::VirtualKey('S')));
    const bool up = !down && (pad_.Triggered(Engine::kButtonDpadUp) || pad_.upRequest ||
                              (input && input->IsKeyTriggered(Engine::VirtualKey('W'))));
    if (down || up) {
        const int last = static_cast<int>(kEntries.size()) - 1;
        const int target = down ? (selected < last ? selected + 1 : last) : (selected > 0 ? selected - 1 : 0);
        if (target != selected) Select(target);
        pad_.TakeMove();
        Engine::PlayEvent("event:/Button_Hover");
    }

    if (pad_.Released(Engine::kButtonA) || (input && input->IsKeyTriggered(Engine::VirtualKey('F')))) {
        // Without a wipe this loads the next level at once and this script is gone.
        MenuFlow::LeaveTo(wipe_, kEntries[selected].leavesTo);
        Engine::PlayEvent("event:/Button_Click");
    }
}
