#include "sound/audio_result.h"

#include <iostream>

namespace Engine {

void ReportAudioError(AudioResult result) {
    if (result == AudioResult::kOk) return;
    std::cout << "FMOD ERROR " << static_cast<int32_t>(result) << std::endl;
}

}  // namespace Engine
