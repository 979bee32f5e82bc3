#include "game/foodcourt/food_court.h"

#include <cmath>

#include "api/bodies.h"
#include "api/drawing.h"

namespace FoodCourt {

const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kBottomBorder{"BottomBorder"};
const api::ObjectName kScrap{"Scrap"};
const api::ObjectName kHumanCustomer{"HumanCustomer"};
const api::ArchetypeName kScrapArchetype{"Scrap"};
const api::ArchetypeName kFoodArchetype{"Food"};
const api::ArchetypeName kCustomerArchetype{"HumanCustomer"};

float Width(const api::GameObj* object) { return std::fabs(api::Scale(object).x); }

float Height(const api::GameObj* object) { return std::fabs(api::Scale(object).y); }

bool Reaches(const api::GameObj* a, const api::GameObj* b, float margin) {
    if (!a || !b) return false;
    return api::Distance(a, b) < (Width(a) + Width(b)) / 2.0f - margin;
}

void Mirror(api::GameObj* object) {
    if (!object) return;
    const api::vec2 scale = api::Scale(object);
    api::SetScale(object, {-scale.x, scale.y});
}

void SetRenderLayer(api::GameObj* object, int32_t layer) {
    if (!object) return;
    object->transform->layer = layer;
    Engine::graphics::Renderable2D* sprite = object->GetSprite();
    if (!sprite || sprite->order == layer) return;
    sprite->order = layer;
    api::SortLayers();
}

void RestOn(api::GameObj* object, const api::GameObj* floor) {
    const Engine::Collider* surface = api::ColliderOf(floor);
    if (!object || !surface) return;
    const api::vec2 at = api::Position(object);
    const float restingY = surface->box.w + Height(object) / 2.0f;
    if (at.y < restingY) api::SetPosition(object, {at.x, restingY});
}

bool IsBird(const api::GameObj* object) {
    return object && (object->name == kPlayer.c_str() || object->name == kPlayer2.c_str());
}

}  // namespace FoodCourt
