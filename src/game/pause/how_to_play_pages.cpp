#include "game/pause/how_to_play_pages.h"

#include "api/names.h"

namespace HowToPlayPages {

const std::array<const char*, kCount> kTextures = {"HowToPlay_Controls", "HowToPlay_Page2", "HowToPlay_Page3",
                                                   "HowToPlay_Page4", "HowToPlay_Page5"};

Engine::vec2 PointOn(const Engine::GameObj* page, Engine::vec2 drawn) {
    if (!page) return {};
    const Engine::vec2 centre = api::Position(page);
    const Engine::vec2 size = api::Scale(page);
    return {centre.x + (drawn.x / kDrawnWidth - 0.5f) * size.x, centre.y + (0.5f - drawn.y / kDrawnHeight) * size.y};
}

Engine::vec2 LabelAt(const Engine::GameObj* page, Engine::vec2 drawn) {
    if (!page) return {};
    // A label is placed by its top, 2 units right of where its text starts.
    const Engine::vec2 start = PointOn(page, drawn);
    return {start.x + 2.0f, start.y};
}

// On the drawing the foot line starts at x 120 with its top at y 336.
Engine::vec2 FootLineAt(const Engine::GameObj* page) { return LabelAt(page, {120.0f, 336.0f}); }

namespace {
struct PageNames {
    PageNames() {
        for (const char* page : kTextures) api::DeclareName(api::NameKind::Texture, page, __FILE__);
    }
} const kPageNames;
}  // namespace

}  // namespace HowToPlayPages
