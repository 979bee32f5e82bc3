// Pads SDL does not know: mappings from SDL_GAMECONTROLLERCONFIG (which SDL
// reads itself) and from the player's gamecontrollerdb.txt make a plain
// joystick a game controller.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "input/gamepad.h"
#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/sdl_gamepad_source.h"
#include "support/scratch_dir.h"

using namespace Engine;

namespace {

// A plain virtual joystick (four buttons, two axes) that SDL has no mapping for.
class UnknownJoystick {
public:
    UnknownJoystick() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
        desc.naxes = 2;
        desc.nbuttons = 4;
        desc.name = "Tolvex Homebrew Stick";
        // A USB vendor and product, as a real stick reports; its GUID carries them.
        desc.vendor_id = 0x1234;
        desc.product_id = 0x5678;
        device = SDL_JoystickAttachVirtualEx(&desc);
        if (device < 0) return;
        char guid[64];
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(device), guid, sizeof guid);
        guidText = guid;
        joystick_ = SDL_JoystickOpen(device);
    }
    ~UnknownJoystick() {
        if (joystick_) SDL_JoystickClose(joystick_);
        if (device >= 0) SDL_JoystickDetachVirtual(device);
    }
    UnknownJoystick(const UnknownJoystick&) = delete;
    UnknownJoystick& operator=(const UnknownJoystick&) = delete;

    // Button 2 of the stick is the mapping's "a". SDL takes a file's lines only
    // with their platform.
    std::string Mapping() const {
        return guidText + ",Homebrew Pad,a:b2,b:b0,x:b1,y:b3,leftx:a0,lefty:a1,platform:Linux,";
    }
    void Press(int button) { SDL_JoystickSetVirtualButton(joystick_, button, SDL_PRESSED); }

    int device = -1;
    std::string guidText;

private:
    SDL_Joystick* joystick_ = nullptr;
};

class ControllerMappingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        // The controller subsystem starts inside the tests.
        ASSERT_EQ(SDL_Init(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        ASSERT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u);
    }
    void TearDown() override {
        input.reset();
        unsetenv("SDL_GAMECONTROLLERCONFIG");
        SDL_Quit();
    }
    void StartInput(const std::string& mappingsFile) {
        auto source = std::make_unique<SdlGamepadSource>(mappingsFile);
        input = std::make_unique<Input>(std::make_unique<ScriptedKeyStateSource>(), std::move(source));
        input->active = true;
    }
    void Frame() {
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        input->Update(1.0f / 60.0f);
    }

    TestSupport::ScratchDir dir;
    std::unique_ptr<Input> input;
};

}  // namespace

TEST_F(ControllerMappingsTest, WithoutAMappingTheJoystickIsNoController) {
    UnknownJoystick stick;
    ASSERT_GE(stick.device, 0) << SDL_GetError();
    StartInput(dir.path() + "/missing/gamecontrollerdb.txt");  // no file: no line, no mapping
    EXPECT_FALSE(SDL_IsGameController(stick.device));
    Frame();
    Gamepad pad(1);
    pad.Poll();
    EXPECT_FALSE(pad.IsConnected());
}

TEST_F(ControllerMappingsTest, TheUsersMappingsFileMakesItAController) {
    UnknownJoystick stick;
    ASSERT_GE(stick.device, 0) << SDL_GetError();
    dir.Write("config/gamecontrollerdb.txt", "# my pads\n" + stick.Mapping() + "\n");
    testing::internal::CaptureStdout();
    StartInput(dir.path() + "/config/gamecontrollerdb.txt");
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed.find("mappings"), std::string::npos) << printed;
    ASSERT_TRUE(SDL_IsGameController(stick.device));
    EXPECT_STREQ(SDL_GameControllerNameForIndex(stick.device), "Homebrew Pad");

    // The stick's button 2 is the pad's A for player one.
    stick.Press(2);
    Frame();
    Gamepad pad(1);
    pad.Poll();
    EXPECT_TRUE(pad.IsConnected());
    EXPECT_TRUE(pad.buttons[kButtonA]);
    EXPECT_FALSE(pad.buttons[kButtonX]);
}

TEST_F(ControllerMappingsTest, SdlReadsTheEnvironmentsMappingsItself) {
    std::string mapping;
    {
        UnknownJoystick probe;
        ASSERT_GE(probe.device, 0) << SDL_GetError();
        mapping = probe.Mapping();
    }
    // SDL reads the variable as its joystick subsystem starts.
    SDL_Quit();
    setenv("SDL_GAMECONTROLLERCONFIG", mapping.c_str(), 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    UnknownJoystick stick;
    ASSERT_GE(stick.device, 0) << SDL_GetError();
    ASSERT_EQ(stick.Mapping(), mapping);
    StartInput("");
    ASSERT_TRUE(SDL_IsGameController(stick.device));
    EXPECT_STREQ(SDL_GameControllerNameForIndex(stick.device), "Homebrew Pad");
}

TEST_F(ControllerMappingsTest, ABadFileGetsOneLineAndTheGameGoesOn) {
    const struct {
        const char* name;
        bool folder;  // a folder where the file should be: unreadable
        const char* content;
        const char* expected;
    } cases[] = {
        {"no usable mapping", false, "this is not a mapping\n,,,\n", "hold no mapping SDL can use"},
        {"unreadable", true, "", "not read: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.path() + "/" + c.name + "/gamecontrollerdb.txt";
        if (c.folder)
            dir.Write(std::string(c.name) + "/gamecontrollerdb.txt/inside", "");
        else
            dir.Write(std::string(c.name) + "/gamecontrollerdb.txt", c.content);
        testing::internal::CaptureStdout();
        StartInput(path);
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(printed.rfind("Controller mappings in " + path, 0), 0u) << printed;
        EXPECT_NE(printed.find(c.expected), std::string::npos) << printed;
        EXPECT_EQ(printed.find('\n'), printed.size() - 1) << "one line";
        Frame();  // still running
        input.reset();
    }
}
