// Reading the texture list the way the game reads it: by position, first
// attribute of each element, numbers through atoi. Shared by the content tests.
#pragma once

#include <tinyxml.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace content_test {

struct TextureEntry {
    std::string name;
    std::string path;
    int columns = 0;
    int rows = 0;
    int frames = 0;
};

inline const char* firstAttributeValue(const TiXmlElement* element) {
    if (!element || !element->FirstAttribute()) return nullptr;
    return element->FirstAttribute()->Value();
}

// Entries in file order; an entry missing any of its four children or any
// value is reported through `problems` and skipped.
inline std::vector<TextureEntry> readTextureList(const TiXmlDocument& document,
                                                 std::vector<std::string>* problems = nullptr) {
    std::vector<TextureEntry> entries;
    const TiXmlElement* root = document.FirstChildElement();
    if (!root) return entries;
    int index = 0;
    for (const TiXmlElement* entry = root->FirstChildElement(); entry;
         entry = entry->NextSiblingElement(), ++index) {
        const TiXmlElement* file = entry->FirstChildElement();
        const TiXmlElement* column = file ? file->NextSiblingElement() : nullptr;
        const TiXmlElement* row = column ? column->NextSiblingElement() : nullptr;
        const TiXmlElement* frame = row ? row->NextSiblingElement() : nullptr;
        const char* values[] = {firstAttributeValue(entry), firstAttributeValue(file),
                                firstAttributeValue(column), firstAttributeValue(row),
                                firstAttributeValue(frame)};
        bool complete = true;
        for (const char* value : values) complete = complete && value != nullptr;
        if (!complete) {
            if (problems) {
                problems->push_back("entry " + std::to_string(index) + " (" +
                                    (values[0] ? values[0] : "no name") +
                                    ") lacks a file, column, row or frame value");
            }
            continue;
        }
        entries.push_back({values[0], values[1], std::atoi(values[2]), std::atoi(values[3]),
                           std::atoi(values[4])});
    }
    return entries;
}

}  // namespace content_test
