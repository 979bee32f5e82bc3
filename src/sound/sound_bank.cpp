#include "sound/sound_bank.h"

#include <tinyxml.h>

#include <cstdlib>
#include <fstream>

#include "objects/xml_file.h"

namespace Engine {

namespace {

std::string FolderOf(const std::string& file) {
    const auto slash = file.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

std::string Attribute(const TiXmlElement* element, const char* name, const char* fallback = "") {
    const char* value = element->Attribute(name);
    return value ? value : fallback;
}

float FloatAttribute(const TiXmlElement* element, const char* name, float fallback) {
    const char* value = element->Attribute(name);
    return value ? static_cast<float>(std::atof(value)) : fallback;
}

bool BoolAttribute(const TiXmlElement* element, const char* name, bool fallback) {
    const char* value = element->Attribute(name);
    return value ? std::string(value) == "1" || std::string(value) == "true" : fallback;
}

std::optional<SectionDescription> ReadSection(const TiXmlElement* element, const std::string& folder,
                                              bool streamByDefault) {
    SectionDescription section;
    section.name = Attribute(element, "name", "Main");
    const std::string file = Attribute(element, "sound");
    if (file.empty()) return std::nullopt;
    section.file = folder + file;
    section.loop = BoolAttribute(element, "loop", false);
    section.stream = BoolAttribute(element, "stream", streamByDefault);
    section.next = Attribute(element, "next");
    return section;
}

std::optional<ParameterDescription> ReadParameter(const TiXmlElement* element) {
    ParameterDescription parameter;
    parameter.name = Attribute(element, "name");
    const std::string effect = Attribute(element, "effect", "section");
    if (effect == "section") {
        parameter.effect = ParameterEffect::kSection;
        parameter.section = Attribute(element, "section");
        parameter.threshold = FloatAttribute(element, "at", 0.5f);
        if (parameter.section.empty()) return std::nullopt;
    } else if (effect == "pitch" || effect == "volume") {
        parameter.effect = effect == "pitch" ? ParameterEffect::kPitch : ParameterEffect::kVolume;
        parameter.low = FloatAttribute(element, "from", 1.0f);
        parameter.high = FloatAttribute(element, "to", 1.0f);
    } else {
        return std::nullopt;
    }
    parameter.initial = FloatAttribute(element, "initial", 0.0f);
    if (parameter.name.empty()) return std::nullopt;
    return parameter;
}

std::optional<EventDescription> ReadEvent(const TiXmlElement* element, const std::string& folder) {
    EventDescription event;
    event.id = Attribute(element, "id");
    event.volume = FloatAttribute(element, "volume", 1.0f);
    event.fadeOut = FloatAttribute(element, "fadeOut", 0.0f);
    event.music = Attribute(element, "bus") == "music";
    const bool stream = BoolAttribute(element, "stream", false);
    if (event.id.empty()) return std::nullopt;

    // Shorthand: a single-section event names its sound on the event itself.
    if (element->Attribute("sound")) {
        auto section = ReadSection(element, folder, stream);
        if (!section) return std::nullopt;
        section->name = "Main";
        section->next.clear();
        event.sections.push_back(*section);
    }
    for (auto* child = element->FirstChildElement("Section"); child; child = child->NextSiblingElement("Section")) {
        auto section = ReadSection(child, folder, stream);
        if (!section) return std::nullopt;
        event.sections.push_back(*section);
    }
    for (auto* child = element->FirstChildElement("Parameter"); child; child = child->NextSiblingElement("Parameter")) {
        auto parameter = ReadParameter(child);
        if (!parameter) return std::nullopt;
        if (parameter->effect == ParameterEffect::kSection && event.SectionIndex(parameter->section) < 0)
            return std::nullopt;
        event.parameters.push_back(*parameter);
    }
    for (const auto& section : event.sections)
        if (!section.next.empty() && event.SectionIndex(section.next) < 0) return std::nullopt;
    if (event.sections.empty()) return std::nullopt;
    return event;
}

}  // namespace

int EventDescription::SectionIndex(const std::string& name) const {
    for (size_t i = 0; i < sections.size(); ++i)
        if (sections[i].name == name) return static_cast<int>(i);
    return -1;
}

bool EventDescription::HasParameter(const std::string& name) const {
    for (const auto& parameter : parameters)
        if (parameter.name == name) return true;
    return false;
}

std::optional<Bank> Bank::Load(const std::string& file, AudioResult& result) {
    if (!std::ifstream(file).good()) {
        result = AudioResult::kFileNotFound;
        return std::nullopt;
    }
    TiXmlDocument document;
    const TiXmlElement* root = nullptr;
    if (!LoadXmlFile(document, file) || !(root = document.RootElement())) {
        result = AudioResult::kFileBad;
        return std::nullopt;
    }

    Bank bank;
    const std::string folder = FolderOf(file);
    for (auto* element = root->FirstChildElement(); element; element = element->NextSiblingElement()) {
        const std::string kind = element->ValueStr();
        if (kind == "Event") {
            auto event = ReadEvent(element, folder);
            if (!event) {
                result = AudioResult::kFileBad;
                return std::nullopt;
            }
            bank.events[event->id] = *event;
        } else if (kind == "Path") {
            const std::string path = Attribute(element, "path");
            const std::string id = Attribute(element, "event");
            if (path.empty() || id.empty()) {
                result = AudioResult::kFileBad;
                return std::nullopt;
            }
            bank.paths[path] = id;
        }
    }
    result = AudioResult::kOk;
    return bank;
}

}  // namespace Engine
