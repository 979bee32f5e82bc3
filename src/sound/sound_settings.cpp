#include "sound/sound_settings.h"

#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "objects/atomic_file.h"
#include "objects/xml_file.h"

namespace Engine {

namespace {

const char* FirstAttributeValue(const TiXmlElement* element) {
    const TiXmlAttribute* attribute = element ? element->FirstAttribute() : nullptr;
    return attribute ? attribute->Value() : nullptr;
}

}  // namespace

std::optional<SoundSettings> ReadSoundSettings(const std::string& file) {
    TiXmlDocument document;
    if (!LoadXmlFile(document, file)) return std::nullopt;
    const TiXmlElement* root = document.RootElement();
    const TiXmlElement* volumeElement = root ? root->FirstChildElement() : nullptr;
    const TiXmlElement* muteElement = volumeElement ? volumeElement->NextSiblingElement() : nullptr;
    const char* volumeText = FirstAttributeValue(volumeElement);
    const char* muteText = FirstAttributeValue(muteElement);
    if (!volumeText || !muteText) return std::nullopt;

    SoundSettings settings;
    const double volume = std::strtod(volumeText, nullptr);
    settings.volume = std::isnan(volume) ? 1.0f : static_cast<float>(std::clamp(volume, 0.0, 1.0));
    settings.muted = std::string(muteText) == "1";
    return settings;
}

bool WriteSoundSettings(const std::string& file, const SoundSettings& settings) {
    char volumeText[32];
    std::snprintf(volumeText, sizeof volumeText, "%g", settings.volume);

    TiXmlDocument document;
    auto* root = new TiXmlElement("Sound");  // each node is owned by its parent
    document.LinkEndChild(root);
    auto* volumeElement = new TiXmlElement("Volume");
    volumeElement->SetAttribute("Volume", volumeText);
    root->LinkEndChild(volumeElement);
    auto* muteElement = new TiXmlElement("Mute");
    muteElement->SetAttribute("Mute", settings.muted ? 1 : 0);
    root->LinkEndChild(muteElement);

    return SaveDocumentAtomically(document, file);
}

}  // namespace Engine
