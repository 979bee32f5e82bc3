#include "window/window_properties.h"

#include <tinyxml.h>

#include <cstdlib>
#include <iostream>

#include "objects/xml_attributes.h"
#include "objects/xml_file.h"

namespace Engine {

WindowProperties WindowProperties::Read(const std::string& path) {
    WindowProperties properties;
    TiXmlDocument document;
    if (!LoadXmlFile(document, path)) {
        std::cout << "Window properties not read: " << DescribeXmlError(document, path) << std::endl;
        return properties;
    }
    const TiXmlElement* root = document.RootElement();
    const TiXmlElement* values[4] = {};
    const TiXmlElement* element = root ? root->FirstChildElement() : nullptr;
    for (int i = 0; i < 4 && element; ++i, element = element->NextSiblingElement()) values[i] = element;
    for (int i = 0; i < 4; ++i)
        if (!values[i] || !values[i]->FirstAttribute())
            std::cout << path << ": window property " << i + 1 << " is missing" << std::endl;
    properties.title = FirstAttribute(values[0]);
    properties.width = std::atoi(FirstAttribute(values[1]).c_str());
    properties.height = std::atoi(FirstAttribute(values[2]).c_str());
    properties.editorMode = std::atoi(FirstAttribute(values[3]).c_str()) != 0;
    return properties;
}

}  // namespace Engine
