#pragma once

#include <map>
#include <memory>
#include <string>

namespace Engine {

class GameObj;

// A button's command, cloned from a named prototype.
class ButtonFunction {
public:
    virtual ~ButtonFunction() = default;
    void Run() { Execute(); }
    virtual std::unique_ptr<ButtonFunction> Clone(GameObj* button) const = 0;
    virtual void Execute() = 0;

    GameObj* button = nullptr;
    GameObj* target = nullptr;
};

// Command name -> prototype, filled during static initialisation.
std::map<std::string, std::unique_ptr<ButtonFunction>>& ButtonCommands();

// A fresh command for `button`, or null when the name is not registered.
std::unique_ptr<ButtonFunction> MakeButtonFunction(const std::string& commandName, GameObj* button);

}  // namespace Engine
