#include "game/pause/how_to_play_pages.h"

#include "api/names.h"

namespace HowToPlayPages {

const std::array<const char*, kCount> kTextures = {"HowToPlay_Controls", "HowToPlay_Page2", "HowToPlay_Page3",
                                                   "HowToPlay_Page4", "HowToPlay_Page5"};

namespace {
struct PageNames {
    PageNames() {
        for (const char* page : kTextures) api::DeclareName(api::NameKind::Texture, page, __FILE__);
    }
} const kPageNames;
}  // namespace

}  // namespace HowToPlayPages
