#pragma once

#include <memory>
#include <string>

#include "logic/button_function.h"
#include "objects/game_obj.h"

namespace Engine {

namespace graphics {
class Label;
}

// A mouse-clickable object from the button pool that runs a named command.
class Buttons : public GameObj {
public:
    Buttons();
    void Update(float dt) override;
    // Back to the pool's state: no components, inactive, no command, named "Button".
    void Release();
    // Stores the command name and clones its command; unknown names leave none.
    void SetCommand(const std::string& commandName);

    std::unique_ptr<ButtonFunction> function;
    graphics::Label* caption = nullptr;
    std::string command;
};

}  // namespace Engine
