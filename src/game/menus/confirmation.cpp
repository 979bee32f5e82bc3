#include "game/menus/confirmation.h"

#include "core/core.h"
#include "core/message.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"
#include "input/input.h"
#include "input/virtual_keys.h"
#include "logic/script_registry.h"
#include "objects/game_obj.h"
#include "sound/audio_engine.h"

REGISTER_SCRIPT("Confirmation", Confirmation);

Confirmation::Confirmation(Engine::GameObj* owner) : ScriptBase(owner) { name = "Confirmation"; }

void Confirmation::Init() {
    yes_ = MenuFlow::FindLevelObject("Yes");
    no_ = MenuFlow::FindLevelObject("No");
    arrow_ = MenuFlow::FindLevelObject("Arrow");
    wipe_ = MenuFlow::FindWipe();
    yesSelected = false;
}

void Confirmation::SelectNo() {
    yesSelected = false;
    Engine::SetTexture(yes_, "MenuYes_FadeRed");
    Engine::SetTexture(no_, "MenuNo_Red");
    if (yes_) yes_->transform->scale = {1.5f, 0.8f};
    if (no_) no_->transform->scale = {2.5f, 1.5f};
    if (arrow_ && no_) arrow_->transform->position.y = no_->transform->position.y;
    pulse_.Restart();
}

void Confirmation::SelectYes() {
    yesSelected = true;
    Engine::SetTexture(no_, "MenuNo_FadeRed");
    Engine::SetTexture(yes_, "MenuYes_Red");
    if (yes_) yes_->transform->scale = {2.5f, 1.3f};
    if (no_) no_->transform->scale = {1.0f, 0.7f};
    if (arrow_ && yes_) arrow_->transform->position.y = yes_->transform->position.y;
    pulse_.Restart();
}

void Confirmation::Update(float dt) {
    if (!wipe_ || !wipe_->revealed) return;
    pad1_.Poll(dt);
    pad2_.Poll(dt);

    if (Engine::GameObj* entry = yesSelected ? yes_ : no_) {
        const float amount = kPulseRate * dt * pulse_.Step(dt);
        entry->transform->scale.x += amount;
        entry->transform->scale.y += amount;
    }

    Engine::Input* input = Engine::Input::instance;
    const bool down = pad1_.Triggered(Engine::kButtonDpadDown) || pad2_.Triggered(Engine::kButtonDpadDown) ||
                      pad1_.downRequest || pad2_.downRequest ||
                      (input && input->IsKeyTriggered(Engine::VirtualKey('S')));
    const bool up = !down && (pad1_.Triggered(Engine::kButtonDpadUp) || pad2_.Triggered(Engine::kButtonDpadUp) ||
                              pad1_.upRequest || pad2_.upRequest ||
                              (input && input->IsKeyTriggered(Engine::VirtualKey('W'))));
    if (down || up) {
        if (down && yesSelected) SelectNo();
        if (up && !yesSelected) SelectYes();
        pad1_.TakeMove();
        pad2_.TakeMove();
        Engine::PlayEvent("event:/Button_Hover");
    }

    const bool confirm = pad1_.Released(Engine::kButtonA) || pad2_.Released(Engine::kButtonA) ||
                         (input && input->IsKeyTriggered(Engine::VirtualKey('F')));
    if (!confirm) return;
    if (yesSelected) {
        Engine::PlayEvent("event:/Button_Click");
        // The Core stops once this frame is over.
        Engine::Message quit(Engine::kQuitMessage);
        if (Engine::Core::instance) Engine::Core::instance->BroadcastMessage(&quit);
    } else {
        MenuFlow::LeaveTo(wipe_, "MainMenu_KR");
        Engine::PlayEvent("event:/Menu_Return");
    }
}
