#include "objects/atomic_file.h"

#include <tinyxml.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>

#include <unistd.h>

namespace Engine {

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            std::cout << "Could not write " << temporary << std::endl;
            return false;
        }
        out << content;
        out.flush();
        if (!out) {
            std::cout << "Could not write " << temporary << std::endl;
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::cout << "Could not replace " << path << std::endl;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool SaveDocumentAtomically(const TiXmlDocument& document, const std::string& path) {
    // The same bytes TiXmlDocument::SaveFile writes: four-space indents, one node a line.
    TiXmlPrinter printer;
    printer.SetIndent("    ");
    document.Accept(&printer);
    return WriteFileAtomically(path, printer.Str());
}

bool IsXmlName(const std::string& text) {
    if (text.empty()) return false;
    const unsigned char first = static_cast<unsigned char>(text[0]);
    if (!(std::isalpha(first) || first == '_' || first == ':')) return false;
    for (unsigned char c : text)
        if (!(std::isalnum(c) || c == '_' || c == ':' || c == '-' || c == '.')) return false;
    return true;
}

}  // namespace Engine
