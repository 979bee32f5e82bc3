#include "logic/button_function.h"

namespace Engine {

std::map<std::string, std::unique_ptr<ButtonFunction>>& ButtonCommands() {
    // Leaked by design: the table is filled during static initialisation and read
    // until the process ends, which may be through exit() from a lost display;
    // nothing then may meet a table that static destruction already freed.
    static auto* commands = new std::map<std::string, std::unique_ptr<ButtonFunction>>();
    return *commands;
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
