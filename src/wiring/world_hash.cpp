#include "wiring/world_hash.h"

#include <cstdio>

#include <map>

#include "core/core.h"
#include "core/state_hasher.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "logic/hashed_state.h"
#include "logic/scripts.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/transform.h"
#include "physics/rigid_body.h"

namespace Engine {

namespace {

using Fnv1a64 = StateHasher;

// Texture -> its name in the registry (textures do not carry their names).
std::map<const graphics::Texture*, std::string> TextureNames() {
    std::map<const graphics::Texture*, std::string> names;
    if (const graphics::Graphics* g = graphics::Graphics::instance)
        for (const auto& [name, texture] : g->textures.textures)
            if (texture) names.emplace(texture.get(), name);
    return names;
}

// What a sprite or label shows: texture, sheet cell, colour, text, visibility.
void HashPicture(Fnv1a64& h, const graphics::Renderable2D* picture,
                 const std::map<const graphics::Texture*, std::string>& textureNames) {
    if (!picture) {
        h.Value(uint8_t{0});
        return;
    }
    const auto texture = textureNames.find(picture->texture);
    h.Text(texture != textureNames.end() ? texture->second : std::string());
    for (const vec2& uv : picture->uvs) {
        h.Value(uv.x);
        h.Value(uv.y);
    }
    h.Value(picture->color);
    h.Value(static_cast<uint8_t>(picture->hidden));
}

}  // namespace

uint64_t WorldHash() {
    Fnv1a64 h;
    const GameObjectFactory* factory = GameObjectFactory::instance;
    h.Text(factory ? factory->currentLevelPath : std::string());
    h.Value(Core::instance ? Core::instance->random.State() : 0u);
    if (!factory) return h.hash();
    const auto textureNames = TextureNames();
    h.Value(static_cast<uint64_t>(factory->liveObjects.size()));
    for (const GameObj* object : factory->liveObjects) {
        if (!object) {
            h.Value(uint8_t{0xFF});
            continue;
        }
        h.Text(object->name);
        h.Value(static_cast<uint8_t>(object->active));
        if (const Transform* t = object->transform.get()) {
            h.Value(t->position.x);
            h.Value(t->position.y);
            h.Value(t->scale.x);
            h.Value(t->scale.y);
            h.Value(t->rotation);
        } else {
            h.Value(uint8_t{0});
        }
        if (const RigidBody* body = object->GetRigidBody()) {
            h.Value(body->velocity.x);
            h.Value(body->velocity.y);
        } else {
            h.Value(uint8_t{0});
        }
        HashPicture(h, object->GetSprite(), textureNames);
        const graphics::Label* label = object->GetLabel();
        HashPicture(h, label, textureNames);
        if (label) h.Text(label->text);
        // What the scripts keep besides the transforms: health, scores, timers,
        // cooldowns, the match's values (each script that decides one feeds them).
        if (const Scripts* container = object->GetScripts()) {
            h.Value(static_cast<uint64_t>(container->scripts.size()));
            for (const auto& script : container->scripts) {
                if (!script) continue;
                h.Text(script->name);
                if (const auto* state = dynamic_cast<const HashedState*>(script.get())) state->HashState(h);
            }
        }
    }
    return h.hash();
}

std::string WorldHashText(uint64_t hash) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string WorldHashLine(int frames) {
    return "World hash after " + std::to_string(frames) + " frames: " + WorldHashText(WorldHash());
}

}  // namespace Engine
