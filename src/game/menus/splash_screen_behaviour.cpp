#include "game/menus/splash_screen_behaviour.h"

#include "game/menus/menu_flow.h"
#include "input/input.h"
#include "input/virtual_keys.h"
#include "logic/script_registry.h"
#include "objects/game_obj.h"

REGISTER_SCRIPT("SplashScreenBehaviour", SplashScreenBehaviour);

SplashScreenBehaviour::SplashScreenBehaviour(Engine::GameObj* owner) : ScriptBase(owner) {
    name = "SplashScreenBehaviour";
}

void SplashScreenBehaviour::Update(float dt) {
    timer -= dt;
    if (timer <= 0.0f) {
        if (logoShown) {
            // Unloads this level and this script with it.
            MenuFlow::LoadLevelByKey("MainMenu_KR");
            return;
        }
        Engine::SetTexture(owner, "TalvikLogo");
        owner->transform->scale = {20.0f, 15.0f};
        logoShown = true;
        timer = kPictureSeconds;
    }
    Engine::Input* input = Engine::Input::instance;
    if (logoShown && input && input->IsKeyTriggered(Engine::VK_ESCAPE)) MenuFlow::LoadLevelByKey("MainMenu_KR");
}
