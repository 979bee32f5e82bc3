#include "wiring/world_hash.h"

#include <cstdio>
#include <cstring>

#include <map>

#include "core/core.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/transform.h"
#include "physics/rigid_body.h"

namespace Engine {

namespace {

class Fnv1a64 {
public:
    void Bytes(const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) {
            hash_ ^= bytes[i];
            hash_ *= 0x100000001b3ULL;
        }
    }
    template <class T>
    void Value(T value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        Bytes(bytes, sizeof(T));
    }
    // The length first, so "ab" + "c" and "a" + "bc" differ.
    void Text(const std::string& text) {
        Value(static_cast<uint64_t>(text.size()));
        Bytes(text.data(), text.size());
    }
    uint64_t hash() const { return hash_; }

private:
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

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
