// A sound device that goes away and comes back: the game goes on silently with
// one line, looks for the device once a second, and plays through it again.
#include "core/core.h"
#include "sound/sound.h"
#include "sound_fixture.h"

using namespace sound_test;

namespace {

// What the stand-in device answers; the tests flip it.
struct FlakyDevice {
    bool connected = true;
    bool available = false;  // a reopen succeeds
    int reopens = 0;
};
FlakyDevice flaky;

std::unique_ptr<Engine::AudioOutput> OpenFlakyOutput() {
    auto output = Engine::AudioOutput::OpenLoopback();
    if (!output) return output;
    output->connectedOverride = [] { return flaky.connected; };
    output->reopenOverride = [] {
        ++flaky.reopens;
        if (!flaky.available) return false;
        flaky.connected = true;
        return true;
    };
    return output;
}

class DeviceLossTest : public testing::Test {
protected:
    void SetUp() override {
        flaky = FlakyDevice();
        WriteText(folder.File("sound.xml"), "<Sound><Volume Volume=\"1\" /><Mute Mute=\"0\" /></Sound>");
        Printed([&] { sound.Initialize(); });  // the game's own banks, from the repository root
        ASSERT_NE(sound.Audio()->Output(), nullptr);
    }

    // Frames as the game runs them; what the current output mixed.
    std::vector<float> Frames(int count) {
        std::vector<float> mixed;
        for (int i = 0; i < count; ++i) {
            sound.Update(kFrameSeconds);
            auto chunk = sound.Audio()->Output()->Render(kRate / 60);
            mixed.insert(mixed.end(), chunk.begin(), chunk.end());
        }
        return mixed;
    }

    TempFolder folder;
    Engine::Core core;
    Engine::Sound sound{folder.File("sound.xml"), &OpenFlakyOutput};
};

TEST_F(DeviceLossTest, TheGameGoesOnSilentlyAndPicksTheDeviceUpAgain) {
    Engine::AudioOutput* device = sound.Audio()->Output();
    Engine::PlayEvent("event:/Menu_BGM");
    EXPECT_GT(Rms(Frames(20)), 0.01f);

    flaky.connected = false;
    EXPECT_EQ(Printed([&] { Frames(1); }), "The sound device was lost: the game goes on without sound\n");
    EXPECT_TRUE(sound.DeviceLost());
    ASSERT_NE(sound.Audio()->Output(), device);
    EXPECT_TRUE(sound.Audio()->Output()->IsSilent());
    // The music goes on, unheard; no further lines while the device stays away,
    // and it is looked for once a second.
    EXPECT_EQ(Printed([&] { Frames(150); }), "");
    EXPECT_EQ(flaky.reopens, 2);
    EXPECT_TRUE(Engine::IsEventPlaying("event:/Menu_BGM"));

    flaky.available = true;
    EXPECT_EQ(Printed([&] { Frames(70); }), "The sound device is back\n");
    EXPECT_FALSE(sound.DeviceLost());
    EXPECT_EQ(sound.Audio()->Output(), device);
    EXPECT_TRUE(Engine::IsEventPlaying("event:/Menu_BGM"));
    // Heard again through the device that came back.
    EXPECT_GT(Rms(Frames(20)), 0.01f);
    // Events started after the return play too.
    sound.Audio()->StopEvent("event:/Menu_BGM", Engine::StopMode::kImmediate);
    Frames(2);
    EXPECT_LT(Rms(Frames(5)), 0.001f);
    Engine::PlayEvent("event:/Menu_BGM");
    EXPECT_GT(Rms(Frames(20)), 0.01f);
}

TEST_F(DeviceLossTest, AConnectedDeviceIsLeftAlone) {
    Engine::AudioOutput* device = sound.Audio()->Output();
    EXPECT_EQ(Printed([&] { Frames(120); }), "");
    EXPECT_FALSE(sound.DeviceLost());
    EXPECT_EQ(sound.Audio()->Output(), device);
    EXPECT_EQ(flaky.reopens, 0);
}

TEST_F(DeviceLossTest, TheGameEndsCleanlyWhileTheDeviceIsAway) {
    Engine::PlayEvent("event:/Menu_BGM");
    Frames(5);
    flaky.connected = false;
    Printed([&] { Frames(5); });
    EXPECT_TRUE(sound.DeviceLost());
    // The fixture's teardown destroys the sound system with the device still lost
    // (the sanitizer tree checks nothing leaks or is freed twice).
}

}  // namespace
