// The real game-controller path: SDL virtual pads stand in for plugged-in
// controllers, and the frame pumps SDL's events as the window does.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <cstdlib>
#include <memory>

#include "input/gamepad.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/sdl_gamepad_source.h"

using namespace Engine;

namespace {

struct RumbleLog {
    int calls = 0;
    Uint16 low = 0, high = 0;
};

// One virtual controller laid out like an XInput pad (SDL maps it itself).
class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Test pad";
        desc.userdata = &rumble;
        desc.Rumble = [](void* log, Uint16 low, Uint16 high) {
            auto* rumble = static_cast<RumbleLog*>(log);
            ++rumble->calls;
            rumble->low = low;
            rumble->high = high;
            return 0;
        };
        const int device = SDL_JoystickAttachVirtualEx(&desc);
        if (device < 0) return;
        joystick_ = SDL_JoystickOpen(device);
        id_ = SDL_JoystickInstanceID(joystick_);
        // Triggers at rest: SDL reads a full-range virtual axis as 0..32767.
        SetTrigger(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0);
        SetTrigger(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Plugged() const { return joystick_ != nullptr; }
    SDL_JoystickID Id() const { return id_; }
    void SetButton(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void SetAxis(SDL_GameControllerAxis axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }
    // `value` as the controller API reports it, 0..32767.
    void SetTrigger(SDL_GameControllerAxis axis, int value) {
        SetAxis(axis, static_cast<Sint16>(value * 2 - 32768));
    }
    void Unplug() {
        if (!joystick_) return;
        for (int device = 0; device < SDL_NumJoysticks(); ++device)
            if (SDL_JoystickGetDeviceInstanceID(device) == id_) SDL_JoystickDetachVirtual(device);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }

    RumbleLog rumble;

private:
    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID id_ = -1;
};

class SdlGamepadTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }
    void TearDown() override {
        input.reset();
        SDL_Quit();
    }

    void StartInput() {
        auto source = std::make_unique<SdlGamepadSource>();
        pads = source.get();
        input = std::make_unique<Input>(std::make_unique<ScriptedKeyStateSource>(), std::move(source));
        input->active = true;
    }

    // The window pumps SDL's queue, then the input system takes its turn.
    void Frame() {
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        input->Update(1.0f / 60.0f);
    }

    std::unique_ptr<Input> input;
    SdlGamepadSource* pads = nullptr;  // owned by input
};

}  // namespace

TEST_F(SdlGamepadTest, ButtonsStickAndTriggersReachTheGamepad) {
    VirtualPad virtualPad;
    ASSERT_TRUE(virtualPad.Plugged()) << SDL_GetError();
    StartInput();
    Gamepad pad(1);

    virtualPad.SetButton(SDL_CONTROLLER_BUTTON_A, true);
    virtualPad.SetButton(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    virtualPad.SetButton(SDL_CONTROLLER_BUTTON_BACK, true);
    virtualPad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 20000);
    virtualPad.SetAxis(SDL_CONTROLLER_AXIS_LEFTY, -32768);  // SDL: full up
    virtualPad.SetTrigger(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 128);  // one 255th
    Frame();
    pad.Poll();

    EXPECT_TRUE(pad.IsConnected());
    EXPECT_TRUE(pad.IsButtonTriggered(kButtonA));
    EXPECT_TRUE(pad.buttons[kButtonDpadLeft]);
    EXPECT_TRUE(pad.buttons[kButtonBack]);
    EXPECT_FALSE(pad.buttons[kButtonB]);
    EXPECT_EQ(pad.state.buttons, PadBits::kA | PadBits::kDpadLeft | PadBits::kBack);
    EXPECT_EQ(pad.state.thumbLX, 20000);
    EXPECT_EQ(pad.state.thumbLY, 32767) << "up is positive; -(-32768) held to 32767";
    EXPECT_FALSE(pad.LeftStickInDeadZone());
    EXPECT_EQ(pad.state.rightTrigger, 1);
    EXPECT_TRUE(pad.IsRightTriggerTriggered());
    EXPECT_EQ(pad.state.leftTrigger, 0);
    EXPECT_FALSE(pad.leftTrigger);

    virtualPad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    virtualPad.SetAxis(SDL_CONTROLLER_AXIS_LEFTY, 32767);  // SDL: full down
    virtualPad.SetTrigger(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
    virtualPad.SetButton(SDL_CONTROLLER_BUTTON_A, false);
    Frame();
    pad.Poll();
    EXPECT_EQ(pad.state.thumbLY, -32767);
    EXPECT_EQ(pad.state.leftTrigger, 255);
    EXPECT_TRUE(pad.IsButtonReleased(kButtonA));
}

TEST_F(SdlGamepadTest, VibrationReachesTheControllerAndZeroStopsIt) {
    VirtualPad virtualPad;
    ASSERT_TRUE(virtualPad.Plugged()) << SDL_GetError();
    StartInput();
    Gamepad pad(1);

    pad.Vibrate(0.3f, 1.0f);
    EXPECT_EQ(virtualPad.rumble.low, 19660);
    EXPECT_EQ(virtualPad.rumble.high, 65535);
    Frame();  // renewing the same speeds does not restart the motors
    EXPECT_EQ(virtualPad.rumble.calls, 1);

    pad.Vibrate(0.0f, 0.0f);
    EXPECT_EQ(virtualPad.rumble.calls, 2);
    EXPECT_EQ(virtualPad.rumble.low, 0);
    EXPECT_EQ(virtualPad.rumble.high, 0);
}

TEST_F(SdlGamepadTest, UnpluggedControllerReadsAsNothing) {
    VirtualPad virtualPad;
    ASSERT_TRUE(virtualPad.Plugged()) << SDL_GetError();
    StartInput();
    Gamepad pad(1);
    virtualPad.SetButton(SDL_CONTROLLER_BUTTON_Y, true);
    virtualPad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    Frame();
    pad.Poll();
    ASSERT_TRUE(pad.buttons[kButtonY]);

    virtualPad.Unplug();
    Frame();
    pad.Poll();
    EXPECT_FALSE(pad.IsConnected());
    EXPECT_EQ(pads->SlotInstanceId(0), -1);
    for (bool b : pad.buttons) EXPECT_FALSE(b);
    EXPECT_EQ(pad.state.thumbLX, 0);
    EXPECT_TRUE(pad.LeftStickInDeadZone());
    pad.Vibrate(1.0f, 1.0f);  // nobody there: nothing happens
}

TEST_F(SdlGamepadTest, ControllersPluggedInWhileRunningTakeTheLowestFreeSlot) {
    StartInput();
    Gamepad player1(1), player2(2);
    player1.Poll();
    EXPECT_FALSE(player1.IsConnected());

    auto first = std::make_unique<VirtualPad>();
    auto second = std::make_unique<VirtualPad>();
    Frame();
    EXPECT_EQ(pads->SlotInstanceId(0), first->Id());
    EXPECT_EQ(pads->SlotInstanceId(1), second->Id());
    second->SetButton(SDL_CONTROLLER_BUTTON_START, true);
    Frame();
    player1.Poll();
    player2.Poll();
    EXPECT_FALSE(player1.buttons[kButtonStart]);
    EXPECT_TRUE(player2.buttons[kButtonStart]);

    // The first leaves; the second keeps its slot, and a newcomer takes slot 1.
    first.reset();
    Frame();
    EXPECT_EQ(pads->SlotInstanceId(0), -1);
    EXPECT_EQ(pads->SlotInstanceId(1), second->Id());
    VirtualPad third;
    Frame();
    EXPECT_EQ(pads->SlotInstanceId(0), third.Id());
    player2.Poll();
    EXPECT_TRUE(player2.buttons[kButtonStart]);
}

TEST_F(SdlGamepadTest, AFifthControllerWaitsForAFreeSlot) {
    VirtualPad a, b, c, d;
    StartInput();  // controllers present at start are seated too
    VirtualPad fifth;
    Frame();
    for (int slot = 0; slot < 4; ++slot) EXPECT_NE(pads->SlotInstanceId(slot), fifth.Id());

    c.Unplug();
    Frame();
    EXPECT_EQ(pads->SlotInstanceId(2), fifth.Id());
    EXPECT_EQ(pads->SlotInstanceId(3), d.Id());
}
