#pragma once

#include <string>

class TiXmlDocument;

namespace Engine {

// Writes the document to a temporary file beside `path` and renames it over
// `path`, so a crash or a full disk never leaves a half-written file.
bool SaveDocumentAtomically(const TiXmlDocument& document, const std::string& path);
// The same for raw bytes.
bool WriteFileAtomically(const std::string& path, const std::string& content);

// Whether `text` can stand as an XML element or attribute name.
bool IsXmlName(const std::string& text);

}  // namespace Engine
