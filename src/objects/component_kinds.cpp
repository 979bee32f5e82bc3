#include "objects/component_kinds.h"

#include <map>

namespace Engine {

namespace {

// Both tables are filled during static initialisation and only read afterwards.
// They are never destroyed (leaked by design): a lost display ends the process
// through exit(), and nothing that runs then may find a table already gone.
std::map<int32_t, ComponentKindHooks>& Kinds() {
    static auto* kinds = new std::map<int32_t, ComponentKindHooks>();
    return *kinds;
}

std::map<std::string, ComponentElementReader>& Elements() {
    static auto* elements = new std::map<std::string, ComponentElementReader>();
    return *elements;
}

}  // namespace

void RegisterComponentKind(int32_t kind, const ComponentKindHooks& hooks) { Kinds()[kind] = hooks; }

const ComponentKindHooks* FindComponentKind(int32_t kind) {
    const auto& kinds = Kinds();
    auto it = kinds.find(kind);
    return it == kinds.end() ? nullptr : &it->second;
}

void RegisterComponentElement(const std::string& elementName, ComponentElementReader reader) {
    Elements()[elementName] = reader;
}

ComponentElementReader FindComponentElement(const std::string& elementName) {
    const auto& elements = Elements();
    auto it = elements.find(elementName);
    return it == elements.end() ? nullptr : it->second;
}

}  // namespace Engine
