#include "game/menus/transition.h"

#include "api/script_api.h"

REGISTER_SCRIPT("Transition", Transition);

void Transition::Init() {
    leaving = false;
    revealed = false;
    owner->transform->scale = {kCovered, kCovered};
    owner->transform->position = {0.0f, 0.0f};
}

void Transition::Start(const std::string& key) {
    targetKey = key;
    api::SetInputActive(false);
}

void Transition::StayInFront() { api::SetLayer(owner, kLayer); }

void Transition::Update(float dt) {
    StayInFront();
    Engine::vec2& scale = owner->transform->scale;
    Engine::vec2& position = owner->transform->position;
    position.y = 0.0f;
    const float step = kSpeed * dt;

    if (leaving) {
        position.x = 0.0f;
        if (scale.x < kCovered) {
            scale.x += step;
            scale.y += step;
        } else {
            api::SetInputActive(true);
            // Unloads this level, this script included: nothing may follow. A key
            // with no level behind it keeps this screen: open up again.
            if (api::LoadLevel(targetKey)) return;
            leaving = false;
            revealed = false;
        }
    } else if (manual) {
        position.x = 0.0f;
        if (manualCover) {
            if (scale.x < kCovered) {
                scale.x += step;
                scale.y += step;
            } else {
                manual = false;
            }
        } else if (scale.x > 1.0f) {
            scale.x -= step;
            scale.y -= step;
        } else {
            scale = {0.0f, 0.0f};
            manual = false;
        }
    } else if (!revealed) {
        if (scale.x > 1.0f) {
            scale.x -= step;
            scale.y -= step;
        } else {
            scale = {0.0f, 0.0f};
            revealed = true;
        }
    }
}
