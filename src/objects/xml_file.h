#pragma once

#include <string>

class TiXmlDocument;

namespace Engine {

// Loads an XML data file by its data-file path (either separator). On failure
// `document` holds TinyXML's error; `Describe` turns it into one readable line.
// Every reader of the game's XML files loads through here: it guards against
// TinyXML reading past the end of a file that ends inside a UTF-8 character.
bool LoadXmlFile(TiXmlDocument& document, const std::string& path);
std::string DescribeXmlError(const TiXmlDocument& document, const std::string& path);

}  // namespace Engine
