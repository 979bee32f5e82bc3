#include "logic/button_function.h"

namespace Engine {

bool howToPlayOpen = false;

std::map<std::string, std::unique_ptr<ButtonFunction>>& ButtonCommands() {
    static std::map<std::string, std::unique_ptr<ButtonFunction>> commands;
    return commands;
}

std::unique_ptr<ButtonFunction> MakeButtonFunction(const std::string& commandName, GameObj* button) {
    auto& commands = ButtonCommands();
    auto it = commands.find(commandName);
    if (it == commands.end() || !it->second) return nullptr;
    return it->second->Clone(button);
}

ButtonCommandRegistration::ButtonCommandRegistration(const char* name, std::unique_ptr<ButtonFunction> prototype) {
    ButtonCommands().emplace(name, std::move(prototype));
}

}  // namespace Engine
