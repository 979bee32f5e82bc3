#pragma once
// The player's settings file: sound (sound/sound_settings.h, first, so the
// sound system alone can still read it), the display, and both players'
// controls.
//
//   <Settings>
//       <Volume Volume="1" Music="0.6" Effects="0.8" />
//       <Mute Mute="0" />
//       <Display FullScreen="1" VSync="1" />
//       <Online Port="47360" InputDelay="3" />
//       <Controls>
//           <Player Number="1">
//               <Flap Key="W" Pad="A" />
//               ...
//
// A missing Display, Online or Controls element, action or attribute keeps its
// default, as does an online port or delay out of its range. A file that is not XML, or lacks the sound elements, is damaged.

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

// The Online screen's last choices: the port to host on (1024..65535) and the
// input delay (1..8 frames).
struct OnlineSettings {
    int hostPort = 47360;
    int inputDelay = 3;
    bool operator==(const OnlineSettings& other) const {
        return hostPort == other.hostPort && inputDelay == other.inputDelay;
    }
};

struct UserSettings {
    SoundSettings sound;
    DisplaySettings display;
    OnlineSettings online;
    ActionMap controls;
    bool operator==(const UserSettings& other) const {
        return sound == other.sound && display == other.display && online == other.online &&
               controls == other.controls;
    }
    bool operator!=(const UserSettings& other) const { return !(*this == other); }
};

// Nothing when the file is missing, unreadable or damaged.
std::optional<UserSettings> ReadUserSettings(const std::string& file);
// Through a temporary file and a rename, so a crash leaves the old file whole.
bool WriteUserSettings(const std::string& file, const UserSettings& settings);

}  // namespace Engine
