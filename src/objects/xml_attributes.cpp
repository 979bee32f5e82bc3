#include "objects/xml_attributes.h"

#include <tinyxml.h>

#include <cstdlib>
#include <iostream>

namespace Engine {

AttributeReader::AttributeReader(const TiXmlElement& element, const std::string& file)
    : element_(element), file_(file) {}

const char* AttributeReader::Value(int index) const {
    const TiXmlAttribute* attribute = element_.FirstAttribute();
    for (int i = 0; attribute && i < index; ++i) attribute = attribute->Next();
    return attribute ? attribute->Value() : nullptr;
}

const char* AttributeReader::Required(int index) const {
    const char* value = Value(index);
    if (!value)
        std::cout << file_ << ":" << element_.Row() << ": \"" << element_.Value() << "\" lacks value "
                  << index + 1 << "; kept the previous one" << std::endl;
    return value;
}

bool AttributeReader::Text(int index, std::string& out) const {
    const char* value = Required(index);
    if (value) out = value;
    return value != nullptr;
}

bool AttributeReader::Float(int index, float& out) const {
    const char* value = Required(index);
    if (value) out = static_cast<float>(std::atof(value));
    return value != nullptr;
}

bool AttributeReader::Int(int index, int& out) const {
    const char* value = Required(index);
    if (value) out = std::atoi(value);
    return value != nullptr;
}

std::string FirstAttribute(const TiXmlElement* element) {
    if (!element || !element->FirstAttribute()) return std::string();
    return element->FirstAttribute()->Value();
}

}  // namespace Engine
