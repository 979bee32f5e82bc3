#include "wiring/user_settings.h"

#include <tinyxml.h>

#include "objects/atomic_file.h"
#include "objects/xml_file.h"

namespace Engine {

namespace {

bool Flag(const TiXmlElement* element, const char* name, bool otherwise) {
    const char* text = element ? element->Attribute(name) : nullptr;
    if (!text) return otherwise;
    return std::string(text) == "1";
}

// The attribute when it is a whole number within lowest..highest, else `otherwise`.
int Within(const TiXmlElement* element, const char* name, int lowest, int highest, int otherwise) {
    int value = 0;
    if (!element || element->QueryIntAttribute(name, &value) != TIXML_SUCCESS) return otherwise;
    return value >= lowest && value <= highest ? value : otherwise;
}

void ReadControls(const TiXmlElement* controls, ActionMap& map) {
    if (!controls) return;
    for (const TiXmlElement* player = controls->FirstChildElement("Player"); player;
         player = player->NextSiblingElement("Player")) {
        int number = 0;
        if (player->QueryIntAttribute("Number", &number) != TIXML_SUCCESS) continue;
        for (const TiXmlElement* entry = player->FirstChildElement(); entry; entry = entry->NextSiblingElement()) {
            const auto action = ActionNamed(entry->Value());
            if (!action) continue;
            // Swapped in, so even a hand-edited file cannot give one key to two actions.
            if (const char* key = entry->Attribute("Key")) map.SwapKey(number, *action, KeyNamed(key));
            if (const char* pad = entry->Attribute("Pad")) {
                const int control = PadControlNamed(pad);
                if (control != kPadNone) map.SwapPad(number, *action, control);
            }
        }
    }
}

}  // namespace

std::optional<UserSettings> ReadUserSettings(const std::string& file) {
    TiXmlDocument document;
    if (!LoadXmlFile(document, file)) return std::nullopt;
    const TiXmlElement* root = document.RootElement();
    const auto sound = SoundSettingsFrom(root);
    if (!sound) return std::nullopt;
    UserSettings settings;
    settings.sound = *sound;
    const TiXmlElement* display = root->FirstChildElement("Display");
    settings.display.fullscreen = Flag(display, "FullScreen", true);
    settings.display.vsync = Flag(display, "VSync", true);
    const TiXmlElement* online = root->FirstChildElement("Online");
    const OnlineSettings usual;
    settings.online.hostPort = Within(online, "Port", 1024, 65535, usual.hostPort);
    settings.online.inputDelay = Within(online, "InputDelay", 1, 8, usual.inputDelay);
    ReadControls(root->FirstChildElement("Controls"), settings.controls);
    return settings;
}

bool WriteUserSettings(const std::string& file, const UserSettings& settings) {
    TiXmlDocument document;
    auto* root = new TiXmlElement("Settings");  // each node is owned by its parent
    document.LinkEndChild(root);
    AppendSoundSettings(*root, settings.sound);
    auto* display = new TiXmlElement("Display");
    display->SetAttribute("FullScreen", settings.display.fullscreen ? 1 : 0);
    display->SetAttribute("VSync", settings.display.vsync ? 1 : 0);
    root->LinkEndChild(display);
    auto* online = new TiXmlElement("Online");
    online->SetAttribute("Port", settings.online.hostPort);
    online->SetAttribute("InputDelay", settings.online.inputDelay);
    root->LinkEndChild(online);
    auto* controls = new TiXmlElement("Controls");
    root->LinkEndChild(controls);
    for (int number = 1; number <= kActionPlayers; ++number) {
        auto* player = new TiXmlElement("Player");
        player->SetAttribute("Number", number);
        controls->LinkEndChild(player);
        for (int i = 0; i < kActionCount; ++i) {
            const Action action = ActionAt(i);
            const Binding binding = settings.controls.Get(number, action);
            auto* entry = new TiXmlElement(ActionName(action));
            entry->SetAttribute("Key", binding.key ? KeyName(binding.key).c_str() : "");
            entry->SetAttribute("Pad", PadControlName(binding.pad).c_str());
            player->LinkEndChild(entry);
        }
    }
    return SaveDocumentAtomically(document, file);
}

}  // namespace Engine
