#pragma once
// The atlas pages the build packs the drawn textures into (tools/art/pack_atlas.py),
// read from their index: a listed image resolves to a page and its rectangle there.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/maths.h"
#include "graphics/gl_handles.h"

namespace Engine::graphics {

constexpr const char* kAtlasIndexPath = "Resources/Textures/Atlas/Atlas.xml";

// One image of the index: the file it was packed from and its place on a page.
struct AtlasImage {
    std::string path;
    uintmax_t bytes = 0;  // the file's size when packed
    int page = 0;
    int x = 0, y = 0;     // top-left corner, pixels from the page's top-left
    int width = 0, height = 0;
};

struct AtlasPageFile {
    std::string path;
    int width = 0, height = 0;
};

struct AtlasIndex {
    int padding = 0;
    std::vector<AtlasPageFile> pages;
    std::map<std::string, AtlasImage> images;  // by texture name
};

// Reads the index at `path`. A missing file gives an empty index; a broken one
// prints one line and gives an empty index; an image on a page the index does
// not list, or outside its page, is left out with one line.
AtlasIndex ReadAtlasIndex(const std::string& path);

// What a texture drawn from an atlas page needs: the page's GL name and the
// image's rectangle in the page's texture coordinates.
struct AtlasPlacement {
    unsigned page = 0;
    vec2 uvOrigin;
    vec2 uvScale;
    int width = 0, height = 0;
};

// The rectangle of `image` on a page of the given size, in texture coordinates.
AtlasPlacement PlacementOf(const AtlasImage& image, int pageWidth, int pageHeight);

// The pages and the index; pages are read and uploaded when a name first needs them.
class TextureAtlas {
public:
    std::string indexPath = kAtlasIndexPath;

    // The page and rectangle of the texture `name` whose image is `imagePath`, or
    // nothing when it is not packed (another file under that name, a file changed
    // since it was packed, a page that does not load): it then loads on its own.
    // Needs a current GL context.
    std::optional<AtlasPlacement> Resolve(const std::string& name, const std::string& imagePath);

    // Pages uploaded so far.
    size_t PagesLoaded() const;
    // Forgets the index and frees the pages (textures drawn from them must be gone).
    void Clear();

private:
    struct Page {
        GlTexture texture;
        bool tried = false;
    };
    const Page& LoadPage(int number);

    bool indexRead_ = false;
    AtlasIndex index_;
    std::vector<Page> pages_;
};

}  // namespace Engine::graphics
