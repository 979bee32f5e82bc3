#include "game/pause/how_to_play_pages.h"

#include "api/names.h"

namespace HowToPlayPages {

const std::array<const char*, kCount> kTextures = {"HowToPlay_Controls", "HowToPlay_Page2", "HowToPlay_Page3",
                                                   "HowToPlay_Page4", "HowToPlay_Page5"};

Engine::vec2 FootLineAt(const Engine::GameObj* page) {
    if (!page) return {};
    // On the 640 x 360 drawing the line starts at x 120 with its top at y 336;
    // a label is placed by its top, 2 units right of where its text starts.
    constexpr float kLeft = 120.0f / 640.0f;
    constexpr float kFoot = 336.0f / 360.0f;
    const Engine::vec2 centre = api::Position(page);
    const Engine::vec2 size = api::Scale(page);
    return {centre.x + (kLeft - 0.5f) * size.x + 2.0f, centre.y + (0.5f - kFoot) * size.y};
}

namespace {
struct PageNames {
    PageNames() {
        for (const char* page : kTextures) api::DeclareName(api::NameKind::Texture, page, __FILE__);
    }
} const kPageNames;
}  // namespace

}  // namespace HowToPlayPages
