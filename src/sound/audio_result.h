#pragma once
// Result codes of the sound layer. The numbers are the ones the game has always
// printed in its "FMOD ERROR <code>" lines, so that a report reads the same.

#include <cstdint>

namespace Engine {

enum class AudioResult : int32_t {
    kOk = 0,
    kFileBad = 13,        // a bank file that is not a valid bank
    kFileNotFound = 18,   // a bank file that cannot be opened
    kOutputInit = 51,     // no mixer to play through
    kEventNotFound = 74,  // an event path or parameter name nobody defines
};

// Writes "FMOD ERROR <code>" on standard output for anything but kOk.
void ReportAudioError(AudioResult result);

}  // namespace Engine
