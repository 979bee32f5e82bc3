#include "objects/archetype_list.h"

#include <tinyxml.h>

#include <iostream>
#include <utility>

#include "objects/xml_attributes.h"
#include "objects/xml_file.h"

namespace Engine {

std::vector<std::string> ArchetypeListFiles(const char* path) {
    std::vector<std::string> files;
    TiXmlDocument document;
    if (!LoadXmlFile(document, path)) {
        std::cout << "Archetype list not read: " << DescribeXmlError(document, path) << std::endl;
        return files;
    }
    const TiXmlElement* root = document.RootElement();
    for (const TiXmlElement* entry = root ? root->FirstChildElement() : nullptr; entry;
         entry = entry->NextSiblingElement()) {
        std::string file = FirstAttribute(entry);
        if (file.empty()) {
            std::cout << path << ":" << entry->Row() << ": archetype entry without a file name" << std::endl;
            continue;
        }
        files.push_back(std::move(file));
    }
    return files;
}

}  // namespace Engine
