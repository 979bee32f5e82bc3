#include "objects/component_elements.h"

#include <tinyxml.h>

#include <cstring>
#include <functional>
#include <map>

#include "core/color.h"
#include "graphics/animator.h"
#include "graphics/label.h"
#include "graphics/particle_elements.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "logic/buttons.h"
#include "objects/game_obj.h"
#include "objects/object_lists.h"
#include "objects/xml_attributes.h"
#include "physics/collider.h"
#include "physics/rigid_body.h"

namespace Engine {

namespace {

bool Named(const TiXmlElement& e, const char* name) { return std::strcmp(e.Value(), name) == 0; }

template <class Apply>
void ForEachSetting(const TiXmlElement& element, Apply apply) {
    for (const TiXmlElement* setting = element.FirstChildElement(); setting;
         setting = setting->NextSiblingElement())
        apply(*setting);
}

bool ReadColor(const AttributeReader& r, uint32_t& out) {
    int c[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i)
        if (!r.Int(i, c[i])) return false;
    out = static_cast<uint32_t>(c[0]) + static_cast<uint32_t>(c[1]) * 256u + static_cast<uint32_t>(c[2]) * 65536u +
          static_cast<uint32_t>(c[3]) * 16777216u;
    return true;
}

void ApplyTransform(GameObj& object, const TiXmlElement& element, const std::string& file) {
    Transform& t = *object.transform;
    ForEachSetting(element, [&](const TiXmlElement& s) {
        const AttributeReader r(s, file);
        if (Named(s, "Position")) {
            r.Float(0, t.position.x);
            r.Float(1, t.position.y);
            r.Int(2, t.layer);
        } else if (Named(s, "Scale")) {
            r.Float(0, t.scale.x);
            r.Float(1, t.scale.y);
        } else if (Named(s, "Rotation")) {
            r.Float(0, t.rotation);
        }
    });
}

void ApplyRigidBody(GameObj& object, const TiXmlElement& element, const std::string& file) {
    object.AddComponent(kRigidBodyKind);
    RigidBody* body = object.GetRigidBody();
    if (!body) return;
    ForEachSetting(element, [&](const TiXmlElement& s) {
        const AttributeReader r(s, file);
        if (Named(s, "Velocity")) {
            vec2 v = body->velocity;
            r.Float(0, v.x);
            r.Float(1, v.y);
            body->SetVelocity(v.x, v.y);
        } else if (Named(s, "Mass")) {
            r.Float(0, body->mass);
        } else if (Named(s, "isStatic")) {
            int v = 0;
            if (r.Int(0, v)) body->SetMotionType(v == 0 ? kStaticMotion : v == 1 ? kDynamicMotion : kKinematicMotion);
        } else if (Named(s, "GravityScale")) {
            r.Float(0, body->gravityScale);
        }
    });
}

void ApplyCollider(GameObj& object, const TiXmlElement& element, const std::string& file) {
    // Asks the components, not hasCollider: that flag survives a release, so a pooled
    // object reused by a later level would otherwise get no collider at all.
    if (!object.GetCollider()) object.AddComponent(kColliderKind);
    Collider* collider = object.GetCollider();
    if (!collider) return;
    ForEachSetting(element, [&](const TiXmlElement& s) {
        const AttributeReader r(s, file);
        if (Named(s, "IsGhost")) {
            int v = 0;
            if (r.Int(0, v)) collider->ghost = v != 0;
        } else if (Named(s, "Collider_Size")) {
            r.Float(0, collider->width);
            r.Float(1, collider->height);
        }
    });
}

void EnsureAnimator(GameObj& object) {
    if (!object.GetAnimator() && !noRegister) object.AddComponent(kAnimatorKind);
}

void ApplySprite(GameObj& object, const TiXmlElement& element, const std::string& file) {
    object.AddComponent(kSpriteKind);
    graphics::Renderable2D* sprite = object.GetSprite();
    if (!sprite) return;
    ForEachSetting(element, [&](const TiXmlElement& s) {
        const AttributeReader r(s, file);
        if (Named(s, "Texture")) {
            std::string name;
            if (r.Text(0, name) && name != "Null") sprite->SetTexture(graphics::FindTexture(name));
        } else if (Named(s, "AnimationFrame")) {
            if (sprite->texture) EnsureAnimator(object);
        } else if (Named(s, "AnimationFrameCont")) {
            if (!sprite->texture) return;
            int first = 0, last = 0, frames = 0;
            if (r.Int(0, first) && r.Int(1, last))
                sprite->SetFrame(static_cast<uint32_t>(first), static_cast<uint32_t>(last));
            if (r.Int(2, frames)) sprite->texture->frames = frames;
        } else if (Named(s, "Color")) {
            uint32_t color = 0;
            if (ReadColor(r, color)) sprite->SetColor(color);
        }
    });
}

void ApplyAnimator(GameObj& object, const TiXmlElement& element, const std::string& file) {
    if (!object.GetAnimator()) {
        if (object.GetSprite() && !noRegister) object.AddComponent(kAnimatorKind);
        object.SortComponents();
    }
    ForEachSetting(element, [&](const TiXmlElement& s) {
        if (!Named(s, "AnimationFrameCount")) return;
        graphics::Renderable2D* sprite = object.GetSprite();
        if (!sprite) return;
        const AttributeReader r(s, file);
        int first = 0, last = 0, frames = 0;
        if (r.Int(0, first) && r.Int(1, last))
            sprite->SetFrame(static_cast<uint32_t>(first), static_cast<uint32_t>(last));
        if (graphics::Animator* animator = object.GetAnimator()) r.Float(2, animator->frameTime);
        if (sprite->texture && r.Int(3, frames)) sprite->texture->frames = frames;
    });
}

void ApplyScripts(GameObj& object, const TiXmlElement& element, const std::string&) {
    const TiXmlElement* first = element.FirstChildElement();
    for (const TiXmlNode* node = first; node; node = node->NextSibling()) object.AddScript(node->Value());
}

void ApplyLabel(GameObj& object, const TiXmlElement& element, const std::string& file) {
    if (!object.GetLabel()) {
        object.AddComponent(kLabelKind);
        object.SortComponents();
    }
    graphics::Label* label = object.GetLabel();
    if (!label) return;
    ForEachSetting(element, [&](const TiXmlElement& s) {
        const AttributeReader r(s, file);
        if (Named(s, "Text")) {
            r.Text(0, label->text);
        } else if (Named(s, "Size")) {
            int size = 0;
            if (r.Int(0, size)) label->SetFontSize(size);
        } else if (Named(s, "Color")) {
            uint32_t color = 0;
            if (ReadColor(r, color)) label->SetColor(color);
        }
    });
}

void ApplySoundEmitter(GameObj& object, const TiXmlElement&, const std::string&) {
    object.AddComponent(kSoundEmitterKind);
}

void ApplyFunction(GameObj& object, const TiXmlElement& element, const std::string&) {
    if (auto* button = dynamic_cast<Buttons*>(&object)) button->SetCommand(FirstAttribute(&element));
}

using ElementReader = void (*)(GameObj&, const TiXmlElement&, const std::string&);

const std::map<std::string, ElementReader>& ElementReaders() {
    static const std::map<std::string, ElementReader> readers = {
        {"Transform", ApplyTransform},
        {"Rigid_Body", ApplyRigidBody},
        {"Collider", ApplyCollider},
        {"SpriteRenderer", ApplySprite},
        {"Animator", ApplyAnimator},
        {"Scripts", ApplyScripts},
        {"Label", ApplyLabel},
        {"SoundEmitter", ApplySoundEmitter},
        {"Function", ApplyFunction},
        {"ParticleSystem", graphics::ApplyParticleSystemElement},
    };
    return readers;
}

}  // namespace

void ApplyComponentElement(GameObj& object, const TiXmlElement& element, const std::string& file) {
    const auto& readers = ElementReaders();
    auto it = readers.find(element.Value());
    if (it != readers.end()) it->second(object, element, file);
}

}  // namespace Engine
