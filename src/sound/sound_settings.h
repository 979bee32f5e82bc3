#pragma once
// The player's sound settings: the "Sound" document with "Volume" and "Mute".
//
//   <Sound>
//       <Volume Volume="0.8" />
//       <Mute Mute="0" />
//   </Sound>

#include <optional>
#include <string>

namespace Engine {

struct SoundSettings {
    float volume = 1.0f;
    bool muted = false;
};

constexpr const char* kSoundSettingsFile = "src/sound/sound.xml";

// Read by position: the root's first child element gives the volume (its first
// attribute, as a decimal number clamped to [0, 1]) and the element after it
// the mute flag (on only for exactly "1"). Nothing when the file cannot be read.
std::optional<SoundSettings> ReadSoundSettings(const std::string& file);

// Writes the document through a temporary file in the same folder and a rename,
// so a crash mid-write leaves the previous settings intact. False on failure.
bool WriteSoundSettings(const std::string& file, const SoundSettings& settings);

}  // namespace Engine
