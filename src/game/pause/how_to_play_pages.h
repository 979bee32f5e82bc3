#pragma once
// The five how-to-play pages, shared by the pause menu and the how-to-play screen.

#include <array>

#include "api/script_api.h"

namespace HowToPlayPages {

constexpr int kCount = 5;
// The pages are drawn on 640 x 360 (tools/art/screens_art.py), y down.
constexpr float kDrawnWidth = 640.0f;
constexpr float kDrawnHeight = 360.0f;

// Where a point of the drawing lies on a page object, wherever the page is
// placed and however large.
Engine::vec2 PointOn(const Engine::GameObj* page, Engine::vec2 drawn);
// Where a label goes on a page object so its text starts, with its top, at a
// point of the drawing.
Engine::vec2 LabelAt(const Engine::GameObj* page, Engine::vec2 drawn);
// Where the keys that turn the pages are written on a page object: at its foot,
// left of the page number, wherever the page is placed and however large.
Engine::vec2 FootLineAt(const Engine::GameObj* page);

// Page textures by index 0..4.
extern const std::array<const char*, kCount> kTextures;
// One page on from `page` (direction -1 or +1), held within 0..kCount-1.
inline int Turn(int page, int direction) {
    const int next = page + direction;
    return next < 0 ? 0 : next >= kCount ? kCount - 1 : next;
}

}  // namespace HowToPlayPages
