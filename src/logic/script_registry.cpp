#include "logic/script_registry.h"

namespace Engine {

ScriptRegistry& ScriptRegistry::Get() {
    // Leaked by design: scripts register during static initialisation and the
    // prototypes are cloned until the process ends, which may be through exit()
    // from a lost display. Never destroying the registry means no prototype is
    // ever freed in an order static destruction picks.
    static auto* registry = new ScriptRegistry();
    return *registry;
}

void ScriptRegistry::Add(const std::string& name, std::unique_ptr<Scripts> prototype) {
    // The registry name is the script's name: clones copy it from here.
    if (prototype) prototype->name = name;
    prototypes_[name] = std::move(prototype);
}

Scripts* ScriptRegistry::Find(const std::string& name) const {
    auto it = prototypes_.find(name);
    return it == prototypes_.end() ? nullptr : it->second.get();
}

std::vector<std::string> ScriptRegistry::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : prototypes_) names.push_back(entry.first);
    return names;
}

ScriptRegistration::ScriptRegistration(const char* name, Scripts* prototype) {
    ScriptRegistry::Get().Add(name, std::unique_ptr<Scripts>(prototype));
}

}  // namespace Engine
