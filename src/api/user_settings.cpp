#include "api/user_settings.h"

#include "logic/game_logic.h"
#include "sound/audio_engine.h"
#include "sound/sound.h"
#include "wiring/settings_keeper.h"

namespace api {

float MusicVolume() {
    const Engine::AudioEngine* audio = Engine::AudioEngine::instance;
    return audio ? audio->musicVolume : 1.0f;
}

void SetMusicVolume(float volume) {
    if (Engine::AudioEngine* audio = Engine::AudioEngine::instance) audio->SetMusicVolume(volume);
}

float EffectsVolume() {
    const Engine::AudioEngine* audio = Engine::AudioEngine::instance;
    return audio ? audio->effectsVolume : 1.0f;
}

void SetEffectsVolume(float volume) {
    if (Engine::AudioEngine* audio = Engine::AudioEngine::instance) audio->SetEffectsVolume(volume);
}

bool Vsync() {
    const Engine::GameLogic* logic = Engine::GameLogic::instance;
    return !logic || logic->vsync;
}

void SetVsync(bool on) {
    if (Engine::GameLogic* logic = Engine::GameLogic::instance) logic->SetVsync(on);
}

void SaveSettings() {
    if (Engine::SettingsKeeper* keeper = Engine::SettingsKeeper::instance)
        keeper->Save();
    else if (Engine::Sound* sound = Engine::Sound::instance)
        sound->SaveSettings();
}

}  // namespace api
