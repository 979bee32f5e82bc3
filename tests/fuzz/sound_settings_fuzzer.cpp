// libFuzzer target for the sound settings: any input gives settings within
// range or nothing; settings that were read are written and read back alike.
#include "fuzz_support.h"

#include <cmath>

#include "sound/sound_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool entered = (FuzzSupport::EnterScratchFolder(), true);
    (void)entered;
    FuzzSupport::WriteFile("sound.xml", data, size);
    const std::optional<Engine::SoundSettings> settings = Engine::ReadSoundSettings("sound.xml");
    if (!settings) return 0;
    FuzzSupport::Require(std::isfinite(settings->volume) && settings->volume >= 0.0f && settings->volume <= 1.0f,
                         "the volume is within 0..1");
    FuzzSupport::Require(Engine::WriteSoundSettings("sound.xml", *settings), "the settings are written");
    const std::optional<Engine::SoundSettings> again = Engine::ReadSoundSettings("sound.xml");
    FuzzSupport::Require(again.has_value(), "the written settings read");
    FuzzSupport::Require(std::fabs(again->volume - settings->volume) < 1e-4f, "the volume reads back");
    FuzzSupport::Require(again->muted == settings->muted, "the mute flag reads back");
    return 0;
}
