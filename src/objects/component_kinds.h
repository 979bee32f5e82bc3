#pragma once
// The component kind table. Each kind is made, read from its data-file element
// and let go by the folder that owns it (physics, graphics, sound, logic), which
// registers itself here during static initialisation, the way scripts register
// with the script registry. The objects folder only looks kinds up by number.

#include <cstdint>
#include <memory>
#include <string>

class TiXmlElement;

namespace Engine {

class Components;
class GameObj;

struct ComponentKindHooks {
    // Adds one component of the kind to the object and files it with its system
    // (unless the factory says components stay out of the lists). Kinds an object
    // holds once do nothing when it already has one.
    void (*add)(GameObj& object) = nullptr;
    // Takes a component the object no longer holds out of its system's lists and
    // frees it, or hands it on to be freed later. Null: just freed.
    void (*release)(GameObj& object, std::unique_ptr<Components> component) = nullptr;
};

// Reads one component element of an archetype or level file into the object.
// `file` names the data file in messages about bad input.
using ComponentElementReader = void (*)(GameObj& object, const TiXmlElement& element, const std::string& file);

void RegisterComponentKind(int32_t kind, const ComponentKindHooks& hooks);
// The hooks of a registered kind, or null.
const ComponentKindHooks* FindComponentKind(int32_t kind);

void RegisterComponentElement(const std::string& elementName, ComponentElementReader reader);
// The reader of an element name, or null when no folder reads that element.
ComponentElementReader FindComponentElement(const std::string& elementName);

// One line next to the kind's code: static ComponentKindRegistration reg(kind, {add, release});
struct ComponentKindRegistration {
    ComponentKindRegistration(int32_t kind, const ComponentKindHooks& hooks) { RegisterComponentKind(kind, hooks); }
};
struct ComponentElementRegistration {
    ComponentElementRegistration(const char* elementName, ComponentElementReader reader) {
        RegisterComponentElement(elementName, reader);
    }
};

}  // namespace Engine
