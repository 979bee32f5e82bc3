#include "sound/sound.h"

#include <iostream>

#include "core/editor_mode.h"
#include "core/message.h"
#include "sound/sound_settings.h"

namespace Engine {

Sound* Sound::instance = nullptr;

Sound::Sound(std::string settingsFile, OutputOpener openOutput)
    : settingsFile_(std::move(settingsFile)), openOutput_(openOutput) {
    if (!instance) instance = this;
}

Sound::~Sound() {
    if (engine_) {
        if (!settingsFile_.empty()) SaveSettings();
        // A lost output holds no sources or buffers; it closes after the mix's own.
        engine_->StopAllChannels();
        engine_.reset();
    }
    if (instance == this) instance = nullptr;
}

bool Sound::Initialize() {
    engine_ = std::make_unique<AudioEngine>(openOutput_ ? openOutput_() : nullptr);
    if (settingsFile_.empty()) {
        Apply(pending_);
    } else if (auto settings = ReadSoundSettings(settingsFile_)) {
        Apply(*settings);
    } else {
        std::cout << "Could not read sound settings " << settingsFile_ << ": using full volume, not muted"
                  << std::endl;
    }
    engine_->LoadBank(kMasterBank);
    engine_->LoadBank(kStringsBank);
    return true;
}

void Sound::Update(float dt) {
    if (!engine_) return;
    if (EditorMode()) {
        // Editor mode is silent: even events a script started this frame stop.
        engine_->StopAllChannels();
        engine_->StopAllEventsImmediately();
    }
    WatchDevice(dt);
    engine_->Update(dt);
}

void Sound::WatchDevice(float dt) {
    if (!lostOutput_) {
        AudioOutput* output = engine_->Output();
        if (!output || output->IsSilent() || output->Connected()) return;
        std::cout << "The sound device was lost: the game goes on without sound" << std::endl;
        lostOutput_ = engine_->SwitchOutput(AudioOutput::OpenSilent());
        retryTimer_ = 0.0f;
        return;
    }
    retryTimer_ += dt > 0.0f ? dt : 0.0f;
    if (retryTimer_ < kDeviceRetrySeconds) return;
    retryTimer_ = 0.0f;
    // The silent output's context stays current unless the device is back.
    AudioOutput* silent = engine_->Output();
    if (!lostOutput_->Reopen()) {
        if (silent) silent->MakeCurrent();
        return;
    }
    engine_->SwitchOutput(std::move(lostOutput_));
    lostOutput_.reset();
    std::cout << "The sound device is back" << std::endl;
}

void Sound::SendMessage(Message* message) {
    if (!message) return;
    if (message->id == kFileDraggedMessage) lastDroppedSoundPath_ = static_cast<FileDraggedMessage*>(message)->path;
    if (message->id == kFocusMessage) {
        if (static_cast<FocusMessage*>(message)->focused)
            OnFocusGained();
        else
            OnFocusLost();
    }
}

void Sound::OnFocusLost() {
    if (engine_) engine_->SetMuted(true);
}

void Sound::OnFocusGained() {
    if (engine_ && !userMuted) engine_->SetMuted(false);
}

void Sound::SetUserMuted(bool muted) {
    userMuted = muted;
    if (engine_) engine_->SetMuted(muted);
}

void Sound::Apply(const SoundSettings& settings) {
    engine_->volume = settings.volume;
    engine_->musicVolume = settings.music;
    engine_->effectsVolume = settings.effects;
    engine_->muted = settings.muted;
    userMuted = settings.muted;
}

void Sound::UseSettings(const SoundSettings& settings) {
    pending_ = settings;
    if (!engine_) return;
    Apply(settings);
    engine_->SetMuted(settings.muted);  // gives every loaded event its volume
}

SoundSettings Sound::CurrentSettings() const {
    if (!engine_) return pending_;
    SoundSettings settings;
    settings.volume = engine_->volume;
    settings.music = engine_->musicVolume;
    settings.effects = engine_->effectsVolume;
    settings.muted = userMuted;
    return settings;
}

void Sound::SaveSettings() {
    if (settingsFile_.empty()) {
        if (saveSettings) saveSettings();
        return;
    }
    if (!engine_) return;
    if (!WriteSoundSettings(settingsFile_, CurrentSettings()))
        std::cout << "Could not write sound settings " << settingsFile_ << std::endl;
}

}  // namespace Engine
