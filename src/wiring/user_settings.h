#pragma once
// The player's settings file: sound (sound/sound_settings.h, first, so the
// sound system alone can still read it), the display, and both players'
// controls.
//
//   <Settings>
//       <Volume Volume="1" Music="0.6" Effects="0.8" />
//       <Mute Mute="0" />
//       <Display FullScreen="1" VSync="1" />
//       <Controls>
//           <Player Number="1">
//               <Flap Key="W" Pad="A" />
//               ...
//
// A missing Display or Controls element, action or attribute keeps its
// default. A file that is not XML, or lacks the sound elements, is damaged.

#include <optional>
#include <string>

#include "input/action_map.h"
#include "sound/sound_settings.h"

namespace Engine {

struct DisplaySettings {
    bool fullscreen = true;
    bool vsync = true;
    bool operator==(const DisplaySettings& other) const {
        return fullscreen == other.fullscreen && vsync == other.vsync;
    }
};

struct UserSettings {
    SoundSettings sound;
    DisplaySettings display;
    ActionMap controls;
    bool operator==(const UserSettings& other) const {
        return sound == other.sound && display == other.display && controls == other.controls;
    }
    bool operator!=(const UserSettings& other) const { return !(*this == other); }
};

// Nothing when the file is missing, unreadable or damaged.
std::optional<UserSettings> ReadUserSettings(const std::string& file);
// Through a temporary file and a rename, so a crash leaves the old file whole.
bool WriteUserSettings(const std::string& file, const UserSettings& settings);

}  // namespace Engine
