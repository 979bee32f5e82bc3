#include "game/menus/transition.h"

#include "graphics/graphics.h"
#include "graphics/renderable2d.h"
#include "input/input.h"
#include "game/menus/menu_flow.h"
#include "logic/script_registry.h"
#include "objects/game_obj.h"

REGISTER_SCRIPT("Transition", Transition);

Transition::Transition(Engine::GameObj* owner) : ScriptBase(owner) { name = "Transition"; }

void Transition::Init() {
    name = "Transition";
    leaving = false;
    revealed = false;
    owner->transform->scale = {kCovered, kCovered};
    owner->transform->position = {0.0f, 0.0f};
}

void Transition::Start(const std::string& key) {
    targetKey = key;
    if (Engine::Input::instance) Engine::Input::instance->active = false;
}

void Transition::StayInFront() {
    owner->transform->layer = kLayer;
    Engine::graphics::Renderable2D* sprite = owner->GetSprite();
    // Re-sorting is only needed when the order actually changes.
    if (sprite && sprite->order != kLayer) {
        sprite->order = kLayer;
        if (Engine::graphics::Graphics::instance) Engine::graphics::Graphics::instance->SortLayers();
    }
}

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
            if (Engine::Input::instance) Engine::Input::instance->active = true;
            // Unloads this level, this script included: nothing may follow. A
            // level that cannot be read keeps this one (one printed line): open
            // the screen again rather than stay covered.
            if (!MenuFlow::LoadLevelByKey(targetKey)) {
                leaving = false;
                revealed = false;
            }
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
