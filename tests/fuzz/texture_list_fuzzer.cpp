// libFuzzer target for the texture list: every input is read in batches as the
// loading screen does (without uploading images), written back, and the written
// list must read back to the same entries.
#include "fuzz_support.h"

#include "graphics/texture.h"
#include "graphics/texture_list.h"

using namespace Engine::graphics;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool entered = (FuzzSupport::EnterScratchFolder(), true);
    (void)entered;
    FuzzSupport::WriteFile("Texture.xml", data, size);
    TextureRegistry registry;
    for (int batch = 0; batch < 10000 && !LoadTextureBatch(registry, 7, false, "Texture.xml"); ++batch) {
    }
    FuzzSupport::Require(registry.allLoaded, "the list ends");
    SaveTextureList(registry, "Texture.xml");
    TextureRegistry again;
    while (!LoadTextureBatch(again, 1 << 20, false, "Texture.xml")) {
    }
    // A list that loaded is rewritten with every named entry; one that did not load is left alone.
    if (registry.loaded > 0) {
        for (const auto& entry : registry.textures) {
            if (!entry.second || entry.first.empty()) continue;
            FuzzSupport::Require(again.textures.count(entry.first) == 1, "a saved texture reads back");
        }
    }
    return 0;
}
