#include "physics/picking.h"

namespace Engine {

Picking* Picking::instance = nullptr;

Picking::Picking() { instance = this; }

Picking::~Picking() {
    if (instance == this) instance = nullptr;
}

void Picking::Update(float) {}

void Picking::ClearSelection() { picked = nullptr; }

}  // namespace Engine
