#include "graphics/texture_atlas.h"

#include <GL/glew.h>
#include <SOIL/SOIL.h>
#include <tinyxml.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "graphics/image_upload.h"
#include "objects/xml_file.h"

namespace Engine::graphics {

namespace {

int IntAttribute(const TiXmlElement& element, const char* name) {
    int value = 0;
    element.QueryIntAttribute(name, &value);
    return value;
}

std::string TextAttribute(const TiXmlElement& element, const char* name) {
    const char* value = element.Attribute(name);
    return value ? value : "";
}

}  // namespace

AtlasIndex ReadAtlasIndex(const std::string& path) {
    AtlasIndex index;
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) return index;
    TiXmlDocument document(path.c_str());
    if (!LoadXmlFile(document, path)) {
        std::cout << DescribeXmlError(document, path) << ": every texture loads on its own" << std::endl;
        return index;
    }
    const TiXmlElement* root = document.RootElement();
    if (!root) return index;
    index.padding = IntAttribute(*root, "Padding");
    for (const TiXmlElement* page = root->FirstChildElement("Page"); page; page = page->NextSiblingElement("Page"))
        index.pages.push_back({TextAttribute(*page, "Path"), IntAttribute(*page, "Width"), IntAttribute(*page, "Height")});
    for (const TiXmlElement* e = root->FirstChildElement("Image"); e; e = e->NextSiblingElement("Image")) {
        AtlasImage image;
        image.path = TextAttribute(*e, "Path");
        double bytes = 0;
        e->QueryDoubleAttribute("Bytes", &bytes);
        image.bytes = static_cast<uintmax_t>(bytes);
        image.page = IntAttribute(*e, "Page");
        image.x = IntAttribute(*e, "X");
        image.y = IntAttribute(*e, "Y");
        image.width = IntAttribute(*e, "Width");
        image.height = IntAttribute(*e, "Height");
        const std::string name = TextAttribute(*e, "Name");
        const bool onPage = image.page >= 0 && static_cast<size_t>(image.page) < index.pages.size();
        const AtlasPageFile* file = onPage ? &index.pages[static_cast<size_t>(image.page)] : nullptr;
        if (!file || image.width <= 0 || image.height <= 0 || image.x < 0 || image.y < 0 ||
            image.x + image.width > file->width || image.y + image.height > file->height) {
            std::cout << path << " line " << e->Row() << ": " << name
                      << " lies outside its page; it loads on its own" << std::endl;
            continue;
        }
        index.images[name] = image;
    }
    return index;
}

AtlasPlacement PlacementOf(const AtlasImage& image, int pageWidth, int pageHeight) {
    const auto w = static_cast<float>(pageWidth), h = static_cast<float>(pageHeight);
    AtlasPlacement placement;
    placement.uvOrigin = {static_cast<float>(image.x) / w, static_cast<float>(image.y) / h};
    placement.uvScale = {static_cast<float>(image.width) / w, static_cast<float>(image.height) / h};
    placement.width = image.width;
    placement.height = image.height;
    return placement;
}

std::optional<AtlasPlacement> TextureAtlas::Resolve(const std::string& name, const std::string& imagePath) {
    if (!indexRead_) {
        index_ = ReadAtlasIndex(indexPath);
        pages_.resize(index_.pages.size());
        indexRead_ = true;
    }
    const auto found = index_.images.find(name);
    if (found == index_.images.end()) return std::nullopt;
    const AtlasImage& image = found->second;
    // A list entry pointing at another file, or a file replaced since the build
    // packed it, is drawn from the file itself.
    if (image.path != imagePath) return std::nullopt;
    std::error_code error;
    const uintmax_t bytes = std::filesystem::file_size(imagePath, error);
    if (error || bytes != image.bytes) return std::nullopt;
    const Page& page = LoadPage(image.page);
    if (!page.texture) return std::nullopt;
    const AtlasPageFile& file = index_.pages[static_cast<size_t>(image.page)];
    AtlasPlacement placement = PlacementOf(image, file.width, file.height);
    placement.page = page.texture.get();
    return placement;
}

const TextureAtlas::Page& TextureAtlas::LoadPage(int number) {
    Page& page = pages_[static_cast<size_t>(number)];
    if (page.tried) return page;
    page.tried = true;
    const AtlasPageFile& file = index_.pages[static_cast<size_t>(number)];
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (file.width > largest || file.height > largest) {
        std::cout << "Atlas page " << file.path << " is larger than this GPU's textures (" << largest
                  << " pixels): its images load on their own" << std::endl;
        return page;
    }
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = SOIL_load_image(file.path.c_str(), &w, &h, &channels, SOIL_LOAD_RGBA);
    if (!pixels || w != file.width || h != file.height) {
        std::cout << "Failed to load atlas page : " << file.path << ": its images load on their own" << std::endl;
        if (pixels) SOIL_free_image_data(pixels);
        return page;
    }
    page.texture = UploadRgbaImage(pixels, w, h);
    SOIL_free_image_data(pixels);
    return page;
}

size_t TextureAtlas::PagesLoaded() const {
    size_t loaded = 0;
    for (const Page& page : pages_)
        if (page.texture) ++loaded;
    return loaded;
}

void TextureAtlas::Clear() {
    pages_.clear();
    index_ = AtlasIndex();
    indexRead_ = false;
}

}  // namespace Engine::graphics
