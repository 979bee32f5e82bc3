#include "wiring/settings_keeper.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "core/online_request.h"
#include "input/input.h"
#include "logic/game_logic.h"
#include "sound/sound.h"

namespace Engine {

SettingsKeeper* SettingsKeeper::instance = nullptr;

SettingsKeeper::SettingsKeeper(std::string file, Sound* sound, Input* input, GameLogic* logic, bool keepDisplay,
                               bool useControls, OnlineRequest* online)
    : file_(std::move(file)),
      sound_(sound),
      input_(input),
      logic_(logic),
      online_(online),
      keepDisplay_(keepDisplay),
      useControls_(useControls) {
    std::error_code error;
    const bool exists = std::filesystem::exists(file_, error);
    if (auto read = ReadUserSettings(file_))
        stored_ = *read;
    else if (exists)
        std::cout << "Could not read the settings " << file_ << ": using the defaults" << std::endl;
    if (sound_) {
        sound_->UseSettings(stored_.sound);
        sound_->saveSettings = [this] { Save(); };
    }
    if (input_) input_->actions = useControls_ ? stored_.controls : ActionMap();
    if (logic_) {
        if (keepDisplay_) logic_->fullscreen = stored_.display.fullscreen;
        logic_->SetVsync(stored_.display.vsync);
    }
    if (online_) {
        online_->hostPort = stored_.online.hostPort;
        online_->inputDelay = stored_.online.inputDelay;
    }
    instance = this;
}

SettingsKeeper::~SettingsKeeper() {
    if (sound_) sound_->saveSettings = nullptr;
    if (instance == this) instance = nullptr;
}

UserSettings SettingsKeeper::Current() const {
    UserSettings now = stored_;
    if (online_) now.online = {online_->hostPort, online_->inputDelay};
    if (sound_) now.sound = sound_->CurrentSettings();
    if (input_ && useControls_) now.controls = input_->actions;
    if (logic_) {
        now.display.vsync = logic_->vsync;
        // A window asked for on the command line is not kept, until the player switches.
        if (keepDisplay_ || logic_->fullscreen) now.display.fullscreen = logic_->fullscreen;
    }
    return now;
}

void SettingsKeeper::Save() {
    const UserSettings now = Current();
    if (now == stored_) return;
    if (!WriteUserSettings(file_, now)) {
        std::cout << "Could not write the settings " << file_ << std::endl;
        return;
    }
    stored_ = now;
}

}  // namespace Engine
