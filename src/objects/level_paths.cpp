#include "objects/level_paths.h"

#include <tinyxml.h>

#include <iostream>

#include "objects/atomic_file.h"
#include "core/platform_path.h"
#include "objects/xml_attributes.h"
#include "objects/xml_file.h"

namespace Engine {

bool ReadLevelPaths(const std::string& path, std::map<std::string, std::string>& table) {
    TiXmlDocument document;
    if (!LoadXmlFile(document, path)) {
        std::cout << "Level paths not read: " << DescribeXmlError(document, path) << std::endl;
        return false;
    }
    const TiXmlElement* root = document.RootElement();
    if (!root) return false;
    for (const TiXmlElement* entry = root->FirstChildElement(); entry; entry = entry->NextSiblingElement())
        table[entry->Value()] = FirstAttribute(entry);
    return true;
}

bool WriteLevelPaths(const std::string& path, const std::map<std::string, std::string>& table) {
    TiXmlDocument document;
    // The same test as reading: text that parses but holds no root element is no
    // table either, and is kept for whoever can mend it.
    if (!LoadXmlFile(document, path) || !document.RootElement()) return false;
    document.Clear();
    TiXmlElement root("LevelPaths");
    for (const auto& entry : table) {
        // Keys become element names; one that is not a valid name would make the
        // file unreadable, so it is left out with a note.
        if (!IsXmlName(entry.first)) {
            std::cout << "Level key \"" << entry.first << "\" is not a valid element name; not saved" << std::endl;
            continue;
        }
        TiXmlElement child(entry.first.c_str());
        child.SetAttribute(entry.first.c_str(), entry.second.c_str());
        root.InsertEndChild(child);
    }
    document.InsertEndChild(root);
    return SaveDocumentAtomically(document, PlatformPath(path));
}

}  // namespace Engine
