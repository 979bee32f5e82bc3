// libFuzzer target for the sound bank reader: any input gives a bank or a
// result naming the fault, never a crash; every path of a bank names an event id.
#include "fuzz_support.h"

#include "sound/sound_bank.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool entered = (FuzzSupport::EnterScratchFolder(), true);
    (void)entered;
    FuzzSupport::WriteFile("Fuzz.bank", data, size);
    Engine::AudioResult result{};
    const std::optional<Engine::Bank> bank = Engine::Bank::Load("Fuzz.bank", result);
    if (bank) {
        for (const auto& event : bank->events) FuzzSupport::Require(event.first == event.second.id, "events are kept by id");
    }
    return 0;
}
