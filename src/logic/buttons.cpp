#include "logic/buttons.h"

namespace Engine {

Buttons::Buttons() : GameObj(10, 1.0f, 1.0f, 0.0f, "", "Default", 0.0f, 0.0f) { name = "Button"; }

void Buttons::Update(float) {}

void Buttons::Release() {
    ClearComponents();
    active = false;
    function.reset();
    caption = nullptr;
    name = "Button";
    command.clear();
}

void Buttons::SetCommand(const std::string& commandName) {
    function.reset();
    command = commandName;
    function = MakeButtonFunction(commandName, this);
}

}  // namespace Engine
