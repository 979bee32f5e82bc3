// The logic folder's component kind, the script container: how it is made and
// filed with the game logic, how it goes (after the script call on the stack has
// returned), and the data-file elements of scripts and button commands.

#include <tinyxml.h>

#include <algorithm>

#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "logic/scripts.h"
#include "objects/component_kinds.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/xml_attributes.h"

namespace Engine {

Scripts* GameObj::GetScripts() const { return GetComponent<Scripts>(); }

namespace {

void AddScripts(GameObj& object) {
    if (object.GetScripts()) return;
    auto container = std::make_unique<Scripts>(&object);
    if (RegisteringComponents())
        if (GameLogic* logic = GameLogic::instance) logic->scriptList.push_back(container.get());
    object.components.push_back(std::move(container));
}

// A script may be clearing its own object: the container stays alive until the
// script call on the stack returns.
void ReleaseScripts(GameObj&, std::unique_ptr<Components> component) {
    auto* container = static_cast<Scripts*>(component.get());
    if (GameLogic* logic = GameLogic::instance) {
        auto& list = logic->scriptList;
        auto it = std::find(list.begin(), list.end(), container);
        if (it != list.end()) list.erase(it);
    }
    if (GameObjectFactory* factory = GameObjectFactory::instance)
        factory->epoch.Retire(std::move(component));
}

const ComponentKindRegistration kScriptsKindEntry(kScriptsKind, {AddScripts, ReleaseScripts});

void ApplyScripts(GameObj& object, const TiXmlElement& element, const std::string&) {
    const TiXmlElement* first = element.FirstChildElement();
    for (const TiXmlNode* node = first; node; node = node->NextSibling()) object.AddScript(node->Value());
}

void ApplyFunction(GameObj& object, const TiXmlElement& element, const std::string&) {
    if (auto* button = dynamic_cast<Buttons*>(&object)) button->SetCommand(FirstAttribute(&element));
}

const ComponentElementRegistration kScriptsElement("Scripts", ApplyScripts);
const ComponentElementRegistration kFunctionElement("Function", ApplyFunction);

}  // namespace

}  // namespace Engine
