#pragma once
// The five how-to-play pages, shared by the pause menu and the how-to-play screen.

#include <array>

namespace HowToPlayPages {

constexpr int kCount = 5;
// Page textures by index 0..4.
extern const std::array<const char*, kCount> kTextures;
// One page on from `page` (direction -1 or +1), held within 0..kCount-1.
inline int Turn(int page, int direction) {
    const int next = page + direction;
    return next < 0 ? 0 : next >= kCount ? kCount - 1 : next;
}

}  // namespace HowToPlayPages
