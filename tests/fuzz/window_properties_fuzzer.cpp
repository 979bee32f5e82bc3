// libFuzzer target for the window properties file: any input gives values
// (or the defaults) and never a crash.
#include "fuzz_support.h"

#include "window/window_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool entered = (FuzzSupport::EnterScratchFolder(), true);
    (void)entered;
    FuzzSupport::WriteFile("WindowProperties.xml", data, size);
    const Engine::WindowProperties properties = Engine::WindowProperties::Read("WindowProperties.xml");
    FuzzSupport::Require(properties.title.size() <= size, "the title comes from the file");
    return 0;
}
