#include "objects/xml_file.h"

#include <tinyxml.h>

#include <fstream>
#include <iterator>

#include "core/platform_path.h"

namespace Engine {

namespace {

// TinyXML's own file loading turns "\r\n" and a lone "\r" into "\n"; text read
// here keeps that behaviour.
std::string WithNewlines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

// TinyXML steps over a UTF-8 character by its lead byte's length without
// looking for the end of the text in between, so a file that ends inside such
// a character sends the parser up to three bytes past the end. These spare
// zero bytes keep every such step inside the buffer, where the parser stops.
constexpr size_t kSpareZeros = 8;

}  // namespace

bool LoadXmlFile(TiXmlDocument& document, const std::string& path) {
    const std::string file = PlatformPath(path);
    std::ifstream in(file, std::ios::binary);
    // TinyXML reports a file it cannot open in its own words.
    if (!in) return document.LoadFile(file.c_str());
    std::string text = WithNewlines(std::string(std::istreambuf_iterator<char>(in), {}));
    text.append(kSpareZeros, '\0');
    document.Clear();
    document.SetValue(file);
    document.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    return !document.Error();
}

std::string DescribeXmlError(const TiXmlDocument& document, const std::string& path) {
    std::string line = path + ": " + document.ErrorDesc();
    if (document.ErrorRow() > 0) line += " at line " + std::to_string(document.ErrorRow());
    return line;
}

}  // namespace Engine
