#pragma once
// Keeps the player's settings file: reads it once at start and hands each
// system its part (the sound's volumes and mute, the display's full screen and
// vsync, the input's action map, the Online screen's port and delay in the
// Core's online request); Save() gathers them back and writes the file
// only when something differs from what was read or last written. A damaged
// file gives one line and the defaults, and stays as it is until the player
// changes something.

#include <string>

#include "wiring/user_settings.h"

namespace Engine {

class Sound;
class Input;
class GameLogic;
struct OnlineRequest;

class SettingsKeeper {
public:
    // `keepDisplay` false: the command line asked for a window, which is not the
    // player's kept choice; the stored one stays until the player switches.
    // `useControls` false: the run plays with the game's own controls and
    // leaves the player's stored ones as they are (recordings and replays,
    // whose keys must mean the same on every machine).
    SettingsKeeper(std::string file, Sound* sound, Input* input, GameLogic* logic, bool keepDisplay = true,
                   bool useControls = true, OnlineRequest* online = nullptr);
    ~SettingsKeeper();
    SettingsKeeper(const SettingsKeeper&) = delete;
    SettingsKeeper& operator=(const SettingsKeeper&) = delete;

    // The keeper of the running game (scripts save through it), or null.
    static SettingsKeeper* instance;

    // Writes the file when the settings changed since they were read or written.
    void Save();
    // The settings as the systems hold them now.
    UserSettings Current() const;
    const std::string& File() const { return file_; }

private:
    std::string file_;
    Sound* sound_;
    Input* input_;
    GameLogic* logic_;
    OnlineRequest* online_;
    bool keepDisplay_;
    bool useControls_;
    // What the file holds (the defaults when it could not be read).
    UserSettings stored_;
};

}  // namespace Engine
