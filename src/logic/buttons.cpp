#include "logic/buttons.h"

#include <iostream>

#include "graphics/label.h"
#include "graphics/mouse_world.h"
#include "input/input.h"

namespace Engine {

Buttons::Buttons() : GameObj(10, 1.0f, 1.0f, 0.0f, "", "Default", 0.0f, 0.0f) { name = "Button"; }

bool Buttons::Contains(double x, double y) const {
    const double halfWidth = transform->scale.x / 2.0, halfHeight = transform->scale.y / 2.0;
    const double cx = transform->position.x, cy = transform->position.y;
    return x >= cx - halfWidth && x <= cx + halfWidth && y >= cy - halfHeight && y <= cy + halfHeight;
}

void Buttons::Update(float) {
    if (caption) caption->position = {transform->position.x, transform->position.y, 0.0f};
    const graphics::WorldPoint mouse = graphics::MouseWorldPosition();
    if (!function || !Contains(mouse.x, mouse.y)) return;
    Input* input = Input::instance;
    if (!input || !input->IsMouseDown(VK_LBUTTON)) return;
    Press();
}

void Buttons::Press() {
    if (!function) return;
    running_ = true;
    function->Run();
    running_ = false;
    retired_.clear();
}

void Buttons::DropFunction() {
    if (running_ && function)
        retired_.push_back(std::move(function));
    else
        function.reset();
}

void Buttons::Release() {
    // Handles taken on this button while it was in use see that it is gone.
    if (active) ++serial;
    ClearComponents();
    active = false;
    DropFunction();
    caption = nullptr;
    name = "Button";
    command.clear();
}

void Buttons::SetCommand(const std::string& commandName) {
    DropFunction();
    command = commandName;
    function = MakeButtonFunction(commandName, this);
    if (!function) std::cout << "Button \"" << name << "\": no command named \"" << commandName << "\"" << std::endl;
}

}  // namespace Engine
