#pragma once
// The sound system: owns the AudioEngine, loads the master banks, reads the
// player's sound settings at start and writes them back at exit (in the game,
// the wiring's settings keeper does both for the whole settings file), and
// advances every event once a frame.

#include <functional>
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

    // With an empty `settingsFile` the system reads and writes no file: whoever
    // keeps the settings hands them over with UseSettings and reads them back
    // with CurrentSettings.
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

    // How often a lost sound device is looked for again.
    static constexpr float kDeviceRetrySeconds = 1.0f;

    AudioEngine* Audio() const { return engine_.get(); }
    // The sound device went away and the mix goes to a silent output meanwhile.
    bool DeviceLost() const { return lostOutput_ != nullptr; }
    const std::string& LastDroppedSoundPath() const { return lastDroppedSoundPath_; }

    // Writes the volumes and the player's mute to the settings file now (also
    // done at exit); without a file of its own, asks `saveSettings` instead.
    void SaveSettings();
    std::function<void()> saveSettings;
    // The volumes and the player's mute, applied now or when the engine starts.
    void UseSettings(const SoundSettings& settings);
    SoundSettings CurrentSettings() const;

    bool userMuted = false;

private:
    // Notices a lost device (one line, the mix moves to a silent output) and
    // brings it back once it can be opened again (one line).
    void WatchDevice(float dt);

    void Apply(const SoundSettings& settings);

    std::string settingsFile_;
    SoundSettings pending_;
    OutputOpener openOutput_;
    std::unique_ptr<AudioEngine> engine_;
    // The output whose device was lost, kept for reopening; null while all is well.
    std::unique_ptr<AudioOutput> lostOutput_;
    float retryTimer_ = 0.0f;
    std::string lastDroppedSoundPath_;
};

}  // namespace Engine
