#include "objects/xml_file.h"

#include <tinyxml.h>

#include "core/platform_path.h"

namespace Engine {

bool LoadXmlFile(TiXmlDocument& document, const std::string& path) {
    return document.LoadFile(PlatformPath(path).c_str());
}

std::string DescribeXmlError(const TiXmlDocument& document, const std::string& path) {
    std::string line = path + ": " + document.ErrorDesc();
    if (document.ErrorRow() > 0) line += " at line " + std::to_string(document.ErrorRow());
    return line;
}

}  // namespace Engine
