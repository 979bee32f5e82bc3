#pragma once
// Small sprite, layer and particle moves the bird scripts share.

#include <cstdint>

namespace Engine {
class GameObj;
}

namespace birds {

// Moves the object to a render layer (transform layer and sprite order) and
// re-sorts the layers when that changed anything.
void SetLayer(Engine::GameObj* object, int32_t layer);
// Plays the sprite sheet's cells 1..lastFrame from the first, one cell every
// `frameTime` seconds.
void PlaySheet(Engine::GameObj* object, float frameTime, uint32_t lastFrame);
// The sprite's packed colour (0 without a sprite) and its alpha byte.
uint32_t ColorOf(const Engine::GameObj* object);
void SetAlphaByte(Engine::GameObj* object, uint8_t alpha);
// Particle emission on and off; EmitOnce emits for a single update.
void SetEmitting(Engine::GameObj* object, bool emitting);
void EmitOnce(Engine::GameObj* object);

}  // namespace birds
