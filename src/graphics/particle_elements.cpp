#include "graphics/particle_elements.h"

#include <tinyxml.h>

#include <cstdlib>
#include <cstring>

#include "graphics/particle_system.h"
#include "graphics/texture.h"
#include "objects/components.h"
#include "objects/game_obj.h"
#include "objects/xml_attributes.h"

namespace Engine::graphics {

namespace {

bool Named(const TiXmlElement& e, const char* name) { return std::strcmp(e.Value(), name) == 0; }

// A packed colour written as a decimal integer. Opaque colours exceed an int, so
// the number is read wide and wrapped to 32 bits ("4294967295" and "-1" are both
// opaque white), as atoi does on this platform.
bool PackedColor(const AttributeReader& r, int index, uint32_t& out) {
    std::string text;
    if (!r.Text(index, text)) return false;
    out = static_cast<uint32_t>(std::strtoll(text.c_str(), nullptr, 10));
    return true;
}

// A flag of "isPlaying" that is read only when the element has that many values.
void OptionalFlag(const AttributeReader& r, int index, bool& out) {
    if (const char* value = r.Value(index)) out = std::atoi(value) != 0;
}

}  // namespace

void ApplyParticleSystemElement(GameObj& object, const TiXmlElement& element, const std::string& file) {
    object.AddComponent(kParticleSystemKind);
    ParticleSystem* system = object.GetParticleSystem();
    if (!system) return;

    // The box is placed once all settings are read; what no setting gives is 0.
    vec3 offset(0.0f, 0.0f, 0.0f);
    vec2 size(0.0f, 0.0f);
    float rotation = 0.0f;

    for (const TiXmlElement* s = element.FirstChildElement(); s; s = s->NextSiblingElement()) {
        const AttributeReader r(*s, file);
        if (Named(*s, "Position")) {
            r.Float(0, offset.x);
            r.Float(1, offset.y);
            r.Int(2, system->emitter->layer);
        } else if (Named(*s, "Size")) {
            r.Float(0, size.x);
            r.Float(1, size.y);
        } else if (Named(*s, "Rotation")) {
            r.Float(0, rotation);
        } else if (Named(*s, "pSize")) {
            r.Float(0, system->particleSize.x);
            r.Float(1, system->particleSize.y);
        } else if (Named(*s, "pVelocity")) {
            r.Float(0, system->speed);
        } else if (Named(*s, "Intensity")) {
            int count = 0;
            if (r.Int(0, count)) system->maxParticles = static_cast<uint32_t>(count < 0 ? 0 : count);
        } else if (Named(*s, "EmissionRate")) {
            int rate = 0;
            if (r.Int(0, rate)) system->interval = rate != 0 ? 1.0f / static_cast<float>(rate) : 0.0f;
        } else if (Named(*s, "isPlaying")) {
            int playing = 0;
            if (r.Int(0, playing)) system->playing = playing != 0;
            OptionalFlag(r, 1, system->secondFlag);
            OptionalFlag(r, 2, system->reverse);
            OptionalFlag(r, 3, system->burst);
        } else if (Named(*s, "LifeSpan")) {
            r.Float(0, system->lifespan);
        } else if (Named(*s, "Texture")) {
            std::string name;
            if (r.Text(0, name) && name != "Null")
                if (Texture* texture = FindTexture(name)) system->texture = texture;
        } else if (Named(*s, "Arc_of_Fire")) {
            r.Float(0, system->arcA);
            r.Float(1, system->arcB);
        } else if (Named(*s, "Color")) {
            PackedColor(r, 0, system->colorMin);
            PackedColor(r, 1, system->colorMax);
        } else if (Named(*s, "DownScale")) {
            r.Float(0, system->shrinkRate);
            int shrink = 0;
            if (r.Int(1, shrink)) system->shrink = shrink != 0;
        }
    }
    system->SetEmitterTransform(offset, size, rotation);
}

}  // namespace Engine::graphics
