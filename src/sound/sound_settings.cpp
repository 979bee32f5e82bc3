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

float Fraction(const char* text, float otherwise) {
    if (!text) return otherwise;
    const double value = std::strtod(text, nullptr);
    return std::isnan(value) ? 1.0f : static_cast<float>(std::clamp(value, 0.0, 1.0));
}

std::string Decimal(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

std::optional<SoundSettings> ReadSoundSettings(const std::string& file) {
    TiXmlDocument document;
    if (!LoadXmlFile(document, file)) return std::nullopt;
    return SoundSettingsFrom(document.RootElement());
}

std::optional<SoundSettings> SoundSettingsFrom(const TiXmlElement* root) {
    const TiXmlElement* volumeElement = root ? root->FirstChildElement() : nullptr;
    const TiXmlElement* muteElement = volumeElement ? volumeElement->NextSiblingElement() : nullptr;
    const char* volumeText = FirstAttributeValue(volumeElement);
    const char* muteText = FirstAttributeValue(muteElement);
    if (!volumeText || !muteText) return std::nullopt;

    SoundSettings settings;
    const char* musicText = volumeElement->Attribute("Music");
    const char* effectsText = volumeElement->Attribute("Effects");
    const float first = Fraction(volumeText, 1.0f);
    if (musicText || effectsText) {
        settings.volume = first;
        settings.music = Fraction(musicText, 1.0f);
        settings.effects = Fraction(effectsText, 1.0f);
    } else {
        settings.music = settings.effects = first;  // the old single volume
    }
    settings.muted = std::string(muteText) == "1";
    return settings;
}

void AppendSoundSettings(TiXmlElement& root, const SoundSettings& settings) {
    auto* volumeElement = new TiXmlElement("Volume");  // each node is owned by its parent
    volumeElement->SetAttribute("Volume", Decimal(settings.volume).c_str());
    volumeElement->SetAttribute("Music", Decimal(settings.music).c_str());
    volumeElement->SetAttribute("Effects", Decimal(settings.effects).c_str());
    root.LinkEndChild(volumeElement);
    auto* muteElement = new TiXmlElement("Mute");
    muteElement->SetAttribute("Mute", settings.muted ? 1 : 0);
    root.LinkEndChild(muteElement);
}

bool WriteSoundSettings(const std::string& file, const SoundSettings& settings) {
    TiXmlDocument document;
    auto* root = new TiXmlElement("Sound");  // owned by the document
    document.LinkEndChild(root);
    AppendSoundSettings(*root, settings);
    return SaveDocumentAtomically(document, file);
}

}  // namespace Engine
