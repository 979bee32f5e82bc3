#include "graphics/texture_list.h"

#include <tinyxml.h>

#include <cstdlib>
#include <optional>
#include <utility>
#include <iostream>

#include "graphics/texture.h"
#include "objects/atomic_file.h"
#include "objects/xml_file.h"

namespace Engine::graphics {

namespace {

// The value of the element's first attribute, whatever its name; "" without one.
const char* FirstValue(const TiXmlElement* element) {
    if (!element) return "";
    const TiXmlAttribute* attribute = element->FirstAttribute();
    return attribute ? attribute->Value() : "";
}

const TiXmlElement* Next(const TiXmlElement* element) { return element ? element->NextSiblingElement() : nullptr; }

}  // namespace

bool LoadTextureBatch(TextureRegistry& registry, int count, bool upload, const std::string& path) {
    // The loading screen keeps asking every frame after the list has ended:
    // nothing is left to read, so the file is not parsed again.
    if (registry.allLoaded) return true;
    TiXmlDocument document(path.c_str());
    const TiXmlElement* entry = nullptr;
    if (LoadXmlFile(document, path)) {
        const TiXmlElement* root = document.FirstChildElement();
        entry = root ? root->FirstChildElement() : nullptr;
    }
    // The whole list is walked to skip what was read anyway; counting it on the
    // way lets the loading screen show how far the load is.
    registry.listed = 0;
    for (const TiXmlElement* counted = entry; counted; counted = counted->NextSiblingElement()) ++registry.listed;
    for (int i = 0; i < registry.loaded && entry; ++i) entry = entry->NextSiblingElement();

    for (int i = 0; i < count && entry; ++i) {
        const TiXmlElement* file = entry->FirstChildElement();
        const TiXmlElement* second = Next(file);
        const TiXmlElement* third = Next(second);
        const TiXmlElement* fourth = Next(third);
        const std::string name = FirstValue(entry);
        const std::string imagePath = FirstValue(file);
        const int columns = std::atoi(FirstValue(second)), rows = std::atoi(FirstValue(third));
        const int frames = std::atoi(FirstValue(fourth));
        // A packed image is drawn from its atlas page; any other loads on its own.
        const std::optional<AtlasPlacement> packed =
            upload ? registry.atlas.Resolve(name, imagePath) : std::nullopt;
        auto texture = packed ? std::make_unique<Texture>(imagePath, columns, rows, frames, *packed)
                              : std::make_unique<Texture>(imagePath, columns, rows, frames, upload);
        std::unique_ptr<Texture>& slot = registry.textures[name];
        if (slot) {
            // A name listed twice: sprites may already point at the first texture,
            // so it takes over the new image and the old one is freed.
            slot->TakeImageOf(*texture);
        } else {
            slot = std::move(texture);
        }
        ++registry.loaded;
        registry.allLoaded = false;
        entry = entry->NextSiblingElement();
    }
    if (count <= 0) return registry.allLoaded;
    if (entry) return false;
    registry.allLoaded = true;
    return true;
}

void SaveTextureList(const TextureRegistry& registry, const std::string& path) {
    TiXmlDocument document(path.c_str());
    if (!LoadXmlFile(document, path)) return;
    document.Clear();
    auto* root = new TiXmlElement("Texture");
    document.LinkEndChild(root);
    for (const auto& [name, texture] : registry.textures) {
        if (!texture) continue;
        auto* entry = new TiXmlElement("Texture");
        entry->SetAttribute("Name", name.c_str());
        auto* file = new TiXmlElement("File");
        file->SetAttribute("Path", texture->path.c_str());
        auto* column = new TiXmlElement("Column");
        column->SetAttribute("Column", texture->columns);
        auto* row = new TiXmlElement("Row");
        row->SetAttribute("Row", texture->rows);
        auto* frame = new TiXmlElement("Frame");
        frame->SetAttribute("Frame", texture->frames);
        entry->LinkEndChild(file);
        entry->LinkEndChild(column);
        entry->LinkEndChild(row);
        entry->LinkEndChild(frame);
        root->LinkEndChild(entry);
    }
    if (!SaveDocumentAtomically(document, path))
        std::cout << "Could not write the texture list " << path << std::endl;
}

}  // namespace Engine::graphics
