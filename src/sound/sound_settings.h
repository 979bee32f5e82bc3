#pragma once
// The player's sound settings: the first two elements of the settings
// document, "Volume" (master, music and effects) and "Mute". The game's own
// document holds more after them (wiring/user_settings.h); the sound system
// alone reads and writes just these.
//
//   <Sound>
//       <Volume Volume="1" Music="0.6" Effects="0.8" />
//       <Mute Mute="0" />
//   </Sound>
//
// A file from before the two groups has only Volume="0.8": that one volume is
// read as both the music and the effects volume, under a master of 1.

#include <optional>
#include <string>

class TiXmlElement;

namespace Engine {

struct SoundSettings {
    float volume = 1.0f;
    float music = 1.0f;
    float effects = 1.0f;
    bool muted = false;
    bool operator==(const SoundSettings& other) const {
        return volume == other.volume && music == other.music && effects == other.effects && muted == other.muted;
    }
};

constexpr const char* kSoundSettingsFile = "src/sound/sound.xml";

// Read by position: the root's first child element gives the volume (its first
// attribute, as a decimal number clamped to [0, 1]) and the element after it
// the mute flag (on only for exactly "1"). Nothing when the file cannot be read.
std::optional<SoundSettings> ReadSoundSettings(const std::string& file);

// Writes the document through a temporary file in the same folder and a rename,
// so a crash mid-write leaves the previous settings intact. False on failure.
bool WriteSoundSettings(const std::string& file, const SoundSettings& settings);

// The two elements, appended to `root` (the game's settings document adds its own after them).
void AppendSoundSettings(TiXmlElement& root, const SoundSettings& settings);
// Reads them from a loaded document's root; nothing when they are not there.
std::optional<SoundSettings> SoundSettingsFrom(const TiXmlElement* root);

}  // namespace Engine
