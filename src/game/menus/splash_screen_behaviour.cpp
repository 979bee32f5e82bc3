#include "game/menus/splash_screen_behaviour.h"

#include "api/script_api.h"

REGISTER_SCRIPT("SplashScreenBehaviour", SplashScreenBehaviour);

namespace {
const api::LevelKey kTitle{"MainMenu_KR"};
const api::TextureName kLogo{"TalvikLogo"};
}  // namespace

void SplashScreenBehaviour::Update(float dt) {
    timer -= dt;
    if (timer <= 0.0f) {
        if (logoShown) {
            // Unloads this level and this script with it.
            api::LoadLevel(kTitle);
            return;
        }
        api::SetTexture(owner, kLogo);
        api::SetScale(owner, {20.0f, 15.0f});
        logoShown = true;
        timer = kPictureSeconds;
    }
    if (logoShown && api::KeyTriggered(Engine::VK_ESCAPE)) api::LoadLevel(kTitle);
}
