#pragma once

#include <string>

class TiXmlDocument;

namespace Engine {

// Loads an XML data file by its data-file path (either separator). On failure
// `document` holds TinyXML's error; `Describe` turns it into one readable line.
bool LoadXmlFile(TiXmlDocument& document, const std::string& path);
std::string DescribeXmlError(const TiXmlDocument& document, const std::string& path);

}  // namespace Engine
