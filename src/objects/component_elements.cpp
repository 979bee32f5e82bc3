#include "objects/component_elements.h"

#include <tinyxml.h>

#include <cstring>

#include "objects/component_kinds.h"
#include "objects/game_obj.h"
#include "objects/xml_attributes.h"

namespace Engine {

namespace {

bool Named(const TiXmlElement& e, const char* name) { return std::strcmp(e.Value(), name) == 0; }

// The transform is no component: the object reads it itself.
void ApplyTransform(GameObj& object, const TiXmlElement& element, const std::string& file) {
    Transform& t = *object.transform;
    for (const TiXmlElement* s = element.FirstChildElement(); s; s = s->NextSiblingElement()) {
        const AttributeReader r(*s, file);
        if (Named(*s, "Position")) {
            r.Float(0, t.position.x);
            r.Float(1, t.position.y);
            r.Int(2, t.layer);
        } else if (Named(*s, "Scale")) {
            r.Float(0, t.scale.x);
            r.Float(1, t.scale.y);
        } else if (Named(*s, "Rotation")) {
            r.Float(0, t.rotation);
        }
    }
}

const ComponentElementRegistration kTransformElement("Transform", ApplyTransform);

}  // namespace

void ApplyComponentElement(GameObj& object, const TiXmlElement& element, const std::string& file) {
    if (ComponentElementReader reader = FindComponentElement(element.Value())) reader(object, element, file);
}

}  // namespace Engine
