// The graphics folder's component kinds: sprites, labels, animators and particle
// emitters, how they are made and filed with the graphics system, how their
// data-file elements read, and the object getters and helpers for them.

#include <tinyxml.h>

#include <cstring>

#include "graphics/animator.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/particle_elements.h"
#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "objects/component_kinds.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/xml_attributes.h"

namespace Engine {

graphics::Animator* GameObj::GetAnimator() const { return GetComponent<graphics::Animator>(); }
graphics::Renderable2D* GameObj::GetSprite() const { return GetComponent<graphics::Renderable2D>(); }
graphics::ParticleSystem* GameObj::GetParticleSystem() const { return GetComponent<graphics::ParticleSystem>(); }
graphics::Label* GameObj::GetLabel() const { return GetComponent<graphics::Label>(); }

void SetTexture(GameObj* object, const std::string& textureName) {
    if (!object) return;
    graphics::Renderable2D* sprite = object->GetSprite();
    graphics::Texture* texture = graphics::FindTexture(textureName);
    if (sprite && texture) sprite->SetTexture(texture);
}

void SetColor(GameObj* object, uint32_t packedColor) {
    if (!object) return;
    if (graphics::Renderable2D* sprite = object->GetSprite()) sprite->SetColor(packedColor);
}

namespace graphics {

namespace {

// ---------------------------------------------------------------- making

void AddSprite(GameObj& object) {
    if (object.GetSprite()) return;
    Transform& transform = *object.transform;
    auto sprite = std::make_unique<Sprite>(transform.position.x, transform.position.y);
    sprite->color = 0xFFFFFFFF;
    sprite->size = transform.scale;
    sprite->colorRGBA = {1.0f, 1.0f, 1.0f, 1.0f};
    sprite->order = transform.layer;
    sprite->owner = &transform;
    const bool registering = RegisteringComponents();
    sprite->hidden = !registering;
    Renderable2D* raw = sprite.get();
    object.components.push_back(std::move(sprite));
    if (Graphics* g = Graphics::instance) g->AddRenderable(raw);
}

void AddLabel(GameObj& object) {
    if (object.GetLabel()) return;
    Transform& transform = *object.transform;
    auto label = std::make_unique<Label>(transform.position.x, transform.position.y, "Arial", 32, 0u, "Buttons");
    // The label has put itself in the world layer; a prototype's stays out of sight.
    label->owner = &transform;
    label->hidden = !RegisteringComponents();
    object.components.push_back(std::move(label));
}

void AddAnimator(GameObj& object) {
    if (object.GetAnimator()) return;
    Renderable2D* sprite = object.GetSprite();
    if (!sprite || !RegisteringComponents()) return;
    object.components.push_back(std::make_unique<Animator>(sprite));
}

void AddParticleSystem(GameObj& object) {
    auto emitter = std::make_unique<ParticleSystem>(&object);
    emitter->paused = !RegisteringComponents();
    if (Graphics* g = Graphics::instance) g->particleSystems.push_back(emitter.get());
    object.components.push_back(std::move(emitter));
}

// Sprites and labels leave the layers before they go.
void ReleaseRenderable(GameObj&, std::unique_ptr<Components> component) {
    if (Graphics* g = Graphics::instance) g->RemoveRenderable(static_cast<Renderable2D*>(component.get()));
    component.reset();
}

const ComponentKindRegistration kSpriteKindEntry(kSpriteKind, {AddSprite, ReleaseRenderable});
const ComponentKindRegistration kLabelKindEntry(kLabelKind, {AddLabel, ReleaseRenderable});
const ComponentKindRegistration kAnimatorKindEntry(kAnimatorKind, {AddAnimator, nullptr});
const ComponentKindRegistration kParticleKindEntry(kParticleSystemKind, {AddParticleSystem, nullptr});

// ---------------------------------------------------------------- reading

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

void ApplySprite(GameObj& object, const TiXmlElement& element, const std::string& file) {
    object.AddComponent(kSpriteKind);
    Renderable2D* sprite = object.GetSprite();
    if (!sprite) return;
    ForEachSetting(element, [&](const TiXmlElement& s) {
        const AttributeReader r(s, file);
        if (Named(s, "Texture")) {
            std::string name;
            if (r.Text(0, name) && name != "Null") sprite->SetTexture(FindTexture(name));
        } else if (Named(s, "AnimationFrame")) {
            if (sprite->texture) object.AddComponent(kAnimatorKind);
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
        if (object.GetSprite()) object.AddComponent(kAnimatorKind);
        object.SortComponents();
    }
    ForEachSetting(element, [&](const TiXmlElement& s) {
        if (!Named(s, "AnimationFrameCount")) return;
        Renderable2D* sprite = object.GetSprite();
        if (!sprite) return;
        const AttributeReader r(s, file);
        int first = 0, last = 0, frames = 0;
        if (r.Int(0, first) && r.Int(1, last))
            sprite->SetFrame(static_cast<uint32_t>(first), static_cast<uint32_t>(last));
        if (Animator* animator = object.GetAnimator()) r.Float(2, animator->frameTime);
        if (sprite->texture && r.Int(3, frames)) sprite->texture->frames = frames;
    });
}

void ApplyLabel(GameObj& object, const TiXmlElement& element, const std::string& file) {
    if (!object.GetLabel()) {
        object.AddComponent(kLabelKind);
        object.SortComponents();
    }
    Label* label = object.GetLabel();
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

const ComponentElementRegistration kSpriteElement("SpriteRenderer", ApplySprite);
const ComponentElementRegistration kAnimatorElement("Animator", ApplyAnimator);
const ComponentElementRegistration kLabelElement("Label", ApplyLabel);
const ComponentElementRegistration kParticleElement("ParticleSystem", ApplyParticleSystemElement);

}  // namespace

}  // namespace graphics

}  // namespace Engine
