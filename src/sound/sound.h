#pragma once
// The sound system: owns the AudioEngine, loads the master banks, reads the
// player's settings at start and writes them back at exit, and advances
// every event once a frame.

#include <memory>
#include <string>

#include "core/system.h"
#include "sound/audio_engine.h"
#include "sound/sound_settings.h"

namespace Engine {

class Sound : public System {
public:
    // How the system opens its output; the game uses the default device.
    using OutputOpener = std::unique_ptr<AudioOutput> (*)();

    explicit Sound(std::string settingsFile = kSoundSettingsFile, OutputOpener openOutput = &AudioOutput::OpenDefault);
    ~Sound() override;
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    static Sound* instance;  // the one published sound system

    static constexpr const char* kSettingsFile = kSoundSettingsFile;
    static constexpr const char* kMasterBank = "Resources/Sounds/Master Bank.bank";
    static constexpr const char* kStringsBank = "Resources/Sounds/Master Bank.strings.bank";

    bool Initialize() override;
    void Update(float dt) override;
    void SendMessage(Message* message) override;

    // Focus rules, reached through the window's focus message: losing focus
    // silences everything; regaining it restores sound unless the player muted it.
    void OnFocusLost();
    void OnFocusGained();
    // The options menu's mute toggle: the player's own choice, saved at exit.
    void SetUserMuted(bool muted);

    AudioEngine* Audio() const { return engine_.get(); }
    const std::string& LastDroppedSoundPath() const { return lastDroppedSoundPath_; }

    // Writes the volume and the player's mute to the settings file now (also done at exit).
    void SaveSettings();

    bool userMuted = false;

private:

    std::string settingsFile_;
    OutputOpener openOutput_;
    std::unique_ptr<AudioEngine> engine_;
    std::string lastDroppedSoundPath_;
};

}  // namespace Engine
