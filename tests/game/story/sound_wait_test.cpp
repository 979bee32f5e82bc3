// Waiting for a sound to stop: a missing event counts as stopped, so a screen
// that waits for one never freezes; a real event counts once it has ended.
#include "api/script_api.h"
#include "sound/audio_engine.h"
#include "story_fixture.h"

namespace {

TEST(SoundWait, WithoutASoundSystemEveryEventIsStopped) {
    EXPECT_TRUE(api::IsStopped("event:/Level_BGM"));
    EXPECT_TRUE(api::IsStopped(""));
}

struct SoundWaitTest : StoryFixture {
    void SetUp() override { Start(); }
};

TEST_F(SoundWaitTest, AMissingEventIsStoppedEvenAfterItWasAskedToPlay) {
    api::Play("event:/No_Such_Sound");
    engine->Step();
    EXPECT_TRUE(api::IsStopped("event:/No_Such_Sound"));
    EXPECT_FALSE(api::IsPlaying("event:/No_Such_Sound"));
}

TEST_F(SoundWaitTest, ARealEventIsStoppedOnlyOnceItHasEnded) {
    EXPECT_TRUE(api::IsStopped("event:/Victory_Screen")) << "never played";
    api::Play("event:/Victory_Screen");
    engine->Step();
    EXPECT_FALSE(api::IsStopped("event:/Victory_Screen"));
    api::Stop("event:/Victory_Screen");
    for (int frame = 0; frame < 120 && !api::IsStopped("event:/Victory_Screen"); ++frame) engine->Step();
    EXPECT_TRUE(api::IsStopped("event:/Victory_Screen")) << "still playing two seconds after the stop";
}

}  // namespace
