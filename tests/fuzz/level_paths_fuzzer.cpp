// libFuzzer target for the level-path table: any input is read; a table that
// was read is written back and must read back to the same entries (keys that
// cannot be element names are left out on purpose); a file that could not be
// read is never replaced.
#include "fuzz_support.h"

#include <map>

#include "objects/atomic_file.h"
#include "objects/level_paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool entered = (FuzzSupport::EnterScratchFolder(), true);
    (void)entered;
    FuzzSupport::WriteFile("LevelPaths.xml", data, size);
    std::map<std::string, std::string> table;
    const bool read = Engine::ReadLevelPaths("LevelPaths.xml", table);
    const bool written = Engine::WriteLevelPaths("LevelPaths.xml", table);
    if (!read) {
        FuzzSupport::Require(!written, "an unreadable table is not replaced");
        return 0;
    }
    if (!written) return 0;
    std::map<std::string, std::string> again;
    FuzzSupport::Require(Engine::ReadLevelPaths("LevelPaths.xml", again), "the written table reads");
    std::map<std::string, std::string> expected;
    for (const auto& entry : table)
        if (Engine::IsXmlName(entry.first)) expected.insert(entry);
    FuzzSupport::Require(again == expected, "the table reads back unchanged");
    return 0;
}
