#include "input/sdl_gamepad_source.h"

#include <SDL2/SDL.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "input/sdl_pad_conversion.h"

namespace Engine {

namespace {

// Game-controller buttons and the bits the game knows them by.
struct ButtonBit {
    SDL_GameControllerButton button;
    uint16_t bit;
};

constexpr ButtonBit kButtonBits[] = {
    {SDL_CONTROLLER_BUTTON_A, PadBits::kA},
    {SDL_CONTROLLER_BUTTON_B, PadBits::kB},
    {SDL_CONTROLLER_BUTTON_X, PadBits::kX},
    {SDL_CONTROLLER_BUTTON_Y, PadBits::kY},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadBits::kDpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadBits::kDpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadBits::kDpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadBits::kDpadRight},
    {SDL_CONTROLLER_BUTTON_START, PadBits::kStart},
    {SDL_CONTROLLER_BUTTON_BACK, PadBits::kBack},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, PadBits::kLeftThumb},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PadBits::kRightThumb},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadBits::kLeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadBits::kRightShoulder},
};

// SDL caps one rumble request at about a minute; the game's speeds last until
// changed, so they are renewed every frame (SDL only moves the expiry then).
constexpr Uint32 kRumbleMilliseconds = 0xFFFF;

GamepadState ReadController(SDL_GameController* controller) {
    GamepadState state;
    for (const ButtonBit& b : kButtonBits)
        if (SDL_GameControllerGetButton(controller, b.button)) state.buttons |= b.bit;
    state.leftTrigger = TriggerByte(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    state.rightTrigger = TriggerByte(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    state.thumbLX = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
    state.thumbLY = StickYUpwards(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY));
    state.thumbRX = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_RIGHTX);
    state.thumbRY = StickYUpwards(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_RIGHTY));
    return state;
}

bool SameReadings(const GamepadState& a, const GamepadState& b) {
    return a.buttons == b.buttons && a.leftTrigger == b.leftTrigger && a.rightTrigger == b.rightTrigger &&
           a.thumbLX == b.thumbLX && a.thumbLY == b.thumbLY && a.thumbRX == b.thumbRX && a.thumbRY == b.thumbRY;
}

}  // namespace

void SdlGamepadSource::CloseController::operator()(SDL_GameController* controller) const {
    // SDL_Quit closes every controller itself; closing again would free twice.
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) SDL_GameControllerClose(controller);
}

int LoadControllerMappings(const std::string& path) {
    if (path.empty()) return 0;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return 0;
    // SDL would read a folder as a file of absurd size.
    if (!std::filesystem::is_regular_file(path, error)) {
        std::cout << "Controller mappings in " << path << " not read: not a file" << std::endl;
        return -1;
    }
    const int added = SDL_GameControllerAddMappingsFromFile(path.c_str());
    if (added < 0)
        std::cout << "Controller mappings in " << path << " not read: " << SDL_GetError() << std::endl;
    else if (added == 0)
        std::cout << "Controller mappings in " << path << " hold no mapping SDL can use" << std::endl;
    return added;
}

SdlGamepadSource::SdlGamepadSource(const std::string& mappingsFile) {
    // SDL reads its own mappings and SDL_GAMECONTROLLERCONFIG as the subsystem starts.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::cout << "Gamepads unavailable: " << SDL_GetError() << std::endl;
        return;
    }
    started_ = true;
    LoadControllerMappings(mappingsFile);
    SDL_AddEventWatch(&SdlGamepadSource::WatchDevices, this);
    SeatNewControllers();
}

SdlGamepadSource::~SdlGamepadSource() {
    if (!started_) return;
    if (SDL_WasInit(SDL_INIT_EVENTS)) SDL_DelEventWatch(&SdlGamepadSource::WatchDevices, this);
    for (Slot& slot : slots_) {
        if (slot.controller && (slot.low || slot.high)) SDL_GameControllerRumble(slot.controller.get(), 0, 0, 0);
        slot.controller.reset();
    }
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

int SDLCALL SdlGamepadSource::WatchDevices(void* self, SDL_Event* event) {
    // May run inside another SDL call: only note the change here.
    if (event->type == SDL_CONTROLLERDEVICEADDED || event->type == SDL_CONTROLLERDEVICEREMOVED)
        static_cast<SdlGamepadSource*>(self)->devicesChanged_ = true;
    return 1;
}

void SdlGamepadSource::BeginFrame() {
    ApplyDeviceChanges();
    for (Slot& slot : slots_)
        if (slot.controller && (slot.low || slot.high))
            SDL_GameControllerRumble(slot.controller.get(), slot.low, slot.high, kRumbleMilliseconds);
}

void SdlGamepadSource::ApplyDeviceChanges() {
    if (!started_ || !devicesChanged_.exchange(false)) return;
    ReleaseUnpluggedSlots();
    SeatNewControllers();
}

void SdlGamepadSource::ReleaseUnpluggedSlots() {
    for (size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = slots_[i];
        if (!slot.controller || SDL_GameControllerGetAttached(slot.controller.get())) continue;
        std::cout << "Gamepad " << i + 1 << " disconnected" << std::endl;
        slot = Slot{};
    }
}

bool SdlGamepadSource::IsSeated(SDL_JoystickID id) const {
    for (const Slot& slot : slots_)
        if (slot.controller && slot.instanceId == id) return true;
    return false;
}

void SdlGamepadSource::SeatNewControllers() {
    const int devices = SDL_NumJoysticks();
    for (int device = 0; device < devices; ++device) {
        if (!SDL_IsGameController(device)) continue;
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device);
        if (id < 0 || IsSeated(id)) continue;
        Slot* free = nullptr;
        for (Slot& slot : slots_)
            if (!slot.controller) {
                free = &slot;
                break;
            }
        if (!free) return;  // more controllers than players: the extra ones wait for a free slot
        ControllerHandle controller(SDL_GameControllerOpen(device));
        if (!controller) {
            std::cout << "Gamepad could not be opened: " << SDL_GetError() << std::endl;
            continue;
        }
        *free = Slot{};
        free->controller = std::move(controller);
        free->instanceId = id;
        const char* name = SDL_GameControllerName(free->controller.get());
        std::cout << "Gamepad " << (free - slots_.data()) + 1 << " connected: " << (name ? name : "unnamed")
                  << std::endl;
    }
}

bool SdlGamepadSource::Read(int userIndex, GamepadState& out) {
    ApplyDeviceChanges();
    if (!Valid(userIndex)) return false;
    Slot& slot = slots_[userIndex];
    if (!slot.controller || !SDL_GameControllerGetAttached(slot.controller.get())) return false;
    GamepadState now = ReadController(slot.controller.get());
    now.packetNumber = SameReadings(now, slot.last) ? slot.last.packetNumber : slot.last.packetNumber + 1;
    slot.last = now;
    out = now;
    return true;
}

void SdlGamepadSource::SetMotors(int userIndex, uint16_t low, uint16_t high) {
    ApplyDeviceChanges();
    if (!Valid(userIndex)) return;
    Slot& slot = slots_[userIndex];
    if (!slot.controller) return;
    slot.low = low;
    slot.high = high;
    // Zero speeds stop the motors; SDL's duration 0 means "no expiry" then.
    SDL_GameControllerRumble(slot.controller.get(), low, high, (low || high) ? kRumbleMilliseconds : 0);
}

SDL_JoystickID SdlGamepadSource::SlotInstanceId(int userIndex) const {
    return Valid(userIndex) && slots_[userIndex].controller ? slots_[userIndex].instanceId : -1;
}

}  // namespace Engine
