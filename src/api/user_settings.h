#pragma once
// The player's settings as scripts change them: the two sound groups' volumes,
// vsync, and saving the settings file (the controls are in api/actions.h; the
// master volume, mute and full screen in api/script_api.h).

namespace api {

// The music and effects groups' volumes 0..1 (under the master volume).
float MusicVolume();
void SetMusicVolume(float volume);
float EffectsVolume();
void SetEffectsVolume(float volume);
bool Vsync();
void SetVsync(bool on);
// Writes the player's settings file (sound, display, controls) when anything in
// it changed; screens that change settings call it when they are left.
void SaveSettings();

}  // namespace api
