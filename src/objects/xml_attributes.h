#pragma once
// Data files are read by position: the n-th attribute gives the n-th value,
// whatever its name, and numbers convert as atof and atoi convert them.

#include <string>

class TiXmlElement;

namespace Engine {

// Reads one element's attributes by position. A value the element lacks is
// reported once on standard output with the file and line, and the caller keeps
// what it had.
class AttributeReader {
public:
    AttributeReader(const TiXmlElement& element, const std::string& file);

    bool Has(int index) const { return Value(index) != nullptr; }
    bool Text(int index, std::string& out) const;
    bool Float(int index, float& out) const;
    bool Int(int index, int& out) const;
    // Value or nullptr, without a report: for optional values.
    const char* Value(int index) const;

private:
    const char* Required(int index) const;

    const TiXmlElement& element_;
    const std::string& file_;
};

// The first attribute's value of an element, or empty.
std::string FirstAttribute(const TiXmlElement* element);

}  // namespace Engine
