#pragma once

#include <memory>
#include <string>
#include <vector>

#include "logic/button_function.h"
#include "objects/game_obj.h"

namespace Engine {

namespace graphics {
class Label;
}

// A mouse-clickable object from the factory's button pool. While the mouse is
// over its rectangle (position +- scale / 2) with the left button held, it runs
// its command every frame.
class Buttons : public GameObj {
public:
    Buttons();
    void Update(float dt) override;
    // Runs the command as a click would; a command that releases this button
    // while it runs (a level load) stays alive until it returns.
    void Press();
    // Back to the pool's state: no components, inactive, no command, named "Button".
    void Release();
    // Stores the command name and clones its command; an unknown name leaves none
    // (and says so on standard output).
    void SetCommand(const std::string& commandName);
    // Whether world point (x, y) lies in the button's rectangle, edges included.
    bool Contains(double x, double y) const;

    std::unique_ptr<ButtonFunction> function;
    graphics::Label* caption = nullptr;
    std::string command;

private:
    // Drops `function`; a command that is running (and, say, loads a level that
    // releases this button) is kept alive until it returns.
    void DropFunction();

    bool running_ = false;
    std::vector<std::unique_ptr<ButtonFunction>> retired_;
};

}  // namespace Engine
