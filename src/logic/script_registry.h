#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "logic/scripts.h"

namespace Engine {

// Script name -> prototype. Filled during static initialisation, one prototype per
// script class, so data files can attach scripts by name.
class ScriptRegistry {
public:
    static ScriptRegistry& Get();

    void Add(const std::string& name, std::unique_ptr<Scripts> prototype);
    Scripts* Find(const std::string& name) const;
    std::vector<std::string> Names() const;

private:
    std::map<std::string, std::unique_ptr<Scripts>> prototypes_;
};

// Registers a prototype at static initialisation: one line next to the class.
struct ScriptRegistration {
    ScriptRegistration(const char* name, Scripts* prototype);
};

}  // namespace Engine

#define TOLVEX_CONCAT_INNER(a, b) a##b
#define TOLVEX_CONCAT(a, b) TOLVEX_CONCAT_INNER(a, b)
// REGISTER_SCRIPT("Name", ClassName);
#define REGISTER_SCRIPT(scriptName, ClassName) \
    static ::Engine::ScriptRegistration TOLVEX_CONCAT(scriptRegistration_, __LINE__)(scriptName, new ClassName(nullptr))
