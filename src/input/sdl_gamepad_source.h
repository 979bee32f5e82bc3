#pragma once

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_gamecontroller.h>

#include <array>
#include <atomic>
#include <memory>
#include <string>

#include "input/pad_state_source.h"

namespace Engine {

// SDL game controllers in four slots. A controller takes the lowest free slot
// when it is plugged in (or is present at start) and leaves it when it is
// unplugged; slots are tracked by SDL instance id, so device indices shifting
// under hot-plugging do not move a player's controller.
//
// Hot-plug events are seen through an SDL event watch whoever pumps the event
// queue, and take effect at the next BeginFrame or Read. Stick and button
// values are those of the last event pump (the window's, once a frame).
// Adds the mappings in a gamecontrollerdb.txt-style file to SDL's (the game
// controller subsystem must be started). A missing file is no fault and adds
// nothing; a file SDL cannot read, or one without a usable mapping, is named in
// one line. Returns the number of mappings added (an existing mapping replaced
// counts too), or -1 when the file was unreadable.
int LoadControllerMappings(const std::string& path);

class SdlGamepadSource : public PadStateSource {
public:
    // Loads the controller mappings in `mappingsFile` (when given and present) on
    // top of SDL's own and those in SDL_GAMECONTROLLERCONFIG, before seating pads.
    explicit SdlGamepadSource(const std::string& mappingsFile = std::string());
    ~SdlGamepadSource() override;
    SdlGamepadSource(const SdlGamepadSource&) = delete;
    SdlGamepadSource& operator=(const SdlGamepadSource&) = delete;

    bool Read(int userIndex, GamepadState& out) override;
    void SetMotors(int userIndex, uint16_t low, uint16_t high) override;
    void BeginFrame() override;

    // The SDL instance id in a slot, or -1 when the slot is empty.
    SDL_JoystickID SlotInstanceId(int userIndex) const;

private:
    struct CloseController {
        void operator()(SDL_GameController* controller) const;
    };
    using ControllerHandle = std::unique_ptr<SDL_GameController, CloseController>;

    struct Slot {
        ControllerHandle controller;
        SDL_JoystickID instanceId = -1;
        uint16_t low = 0, high = 0;  // motor speeds asked for
        GamepadState last;           // for the packet number
    };

    static int SDLCALL WatchDevices(void* self, SDL_Event* event);
    void ApplyDeviceChanges();
    void ReleaseUnpluggedSlots();
    void SeatNewControllers();
    bool IsSeated(SDL_JoystickID id) const;
    static bool Valid(int userIndex) { return userIndex >= 0 && userIndex < kSlotCount; }

    bool started_ = false;
    std::atomic<bool> devicesChanged_{false};
    std::array<Slot, kSlotCount> slots_;
};

}  // namespace Engine
