// The content check, continued: every name that one data file or the code uses
// to reach another piece of data resolves. Archetypes named by levels and by
// the archetype list exist, scripts named in data files are registered, level
// keys in the code are in the level-path table, and every level file the table
// names that exists loads without a complaint. (Event paths in the code are
// checked against the sound bank by tests/sound/sound_content_test.cpp.)
#include <gtest/gtest.h>

#include "api/names.h"
#include <tinyxml.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/platform_path.h"
#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"
#include "logic/script_registry.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = TOLVEX_SOURCE_DIR;

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return text;
}

std::string repoPath(const fs::path& path) { return fs::relative(path, kSourceDir).generic_string(); }

std::vector<fs::path> xmlFilesUnder(const char* folder) {
    std::vector<fs::path> files;
    const fs::path root = kSourceDir / folder;
    if (!fs::exists(root)) return files;
    for (const auto& item : fs::recursive_directory_iterator(root))
        if (item.is_regular_file() && item.path().extension() == ".xml") files.push_back(item.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string firstValue(const TiXmlElement* element) {
    const TiXmlAttribute* attribute = element ? element->FirstAttribute() : nullptr;
    return attribute ? attribute->Value() : "";
}

std::map<std::string, std::string> levelTable() {
    std::map<std::string, std::string> table;
    Engine::ReadLevelPaths((kSourceDir / "MapData/LevelPaths.xml").string(), table);
    return table;
}

// Archetype name -> file, from the archetype list, as the loading screen reads it.
std::map<std::string, std::string> archetypesFromList(std::vector<std::string>& problems) {
    std::map<std::string, std::string> archetypes;
    TiXmlDocument list((kSourceDir / "Objects/ArchetypeList.xml").string().c_str());
    if (!list.LoadFile()) {
        problems.push_back("Objects/ArchetypeList.xml does not load");
        return archetypes;
    }
    for (const TiXmlElement* entry = list.RootElement()->FirstChildElement(); entry; entry = entry->NextSiblingElement()) {
        const std::string file = firstValue(entry);
        TiXmlDocument archetype((kSourceDir / Engine::PlatformPath("Objects\\" + file)).string().c_str());
        if (!archetype.LoadFile()) {
            problems.push_back("the archetype list names \"" + file + "\", which does not load");
            continue;
        }
        const std::string name = firstValue(archetype.RootElement());
        if (name.empty()) problems.push_back("Objects/" + file + " gives its archetype no name");
        if (archetypes.count(name)) problems.push_back("archetype \"" + name + "\" is defined twice");
        archetypes[name] = file;
    }
    return archetypes;
}

TEST(DataReferences, ArchetypesNamedByLevelsAndTheListExist) {
    std::vector<std::string> problems;
    const auto archetypes = archetypesFromList(problems);
    EXPECT_FALSE(archetypes.empty());
    // A level group declares a copy of an archetype by naming its first attribute
    // "Archetype" (the loader reads only the value; the name states the intent).
    // The loading screen is built before any archetype is loaded, so it may use none.
    for (const fs::path& file : xmlFilesUnder("MapData")) {
        TiXmlDocument level(file.string().c_str());
        if (!level.LoadFile() || !level.RootElement()) continue;
        for (const TiXmlElement* group = level.RootElement()->FirstChildElement(); group;
             group = group->NextSiblingElement()) {
            const TiXmlAttribute* first = group->FirstAttribute();
            if (!first || std::string(first->Name()) != "Archetype") continue;
            const std::string where = repoPath(file) + ":" + std::to_string(group->Row());
            if (!archetypes.count(first->Value()))
                problems.push_back(where + ": no archetype \"" + first->Value() + "\" in the archetype list");
            if (file.filename() == "LoadingScreen.xml")
                problems.push_back(where + ": the loading screen cannot use archetypes");
        }
    }
    EXPECT_TRUE(problems.empty()) << joined(problems);
}

TEST(DataReferences, EveryScriptNamedInDataFilesIsRegistered) {
    const auto names = Engine::ScriptRegistry::Get().Names();
    const std::set<std::string> registered(names.begin(), names.end());
    std::vector<std::string> missing;
    std::vector<std::pair<const TiXmlElement*, std::string>> stack;
    for (const char* folder : {"MapData", "Objects"}) {
        for (const fs::path& file : xmlFilesUnder(folder)) {
            TiXmlDocument document(file.string().c_str());
            if (!document.LoadFile()) continue;
            std::vector<const TiXmlElement*> pending{document.RootElement()};
            while (!pending.empty()) {
                const TiXmlElement* element = pending.back();
                pending.pop_back();
                for (const TiXmlElement* child = element ? element->FirstChildElement() : nullptr; child;
                     child = child->NextSiblingElement()) {
                    if (std::string(element->Value()) == "Scripts" && !registered.count(child->Value()))
                        missing.push_back(repoPath(file) + ":" + std::to_string(child->Row()) + ": \"" +
                                          child->Value() + "\"");
                    pending.push_back(child);
                }
            }
        }
    }
    EXPECT_TRUE(missing.empty()) << "scripts that are not registered:" << joined(missing);
}

// Level keys as the code writes them: passed to the level-changing helpers,
// marked with LevelKey, or looked up in the table directly.
std::vector<std::pair<std::string, std::string>> levelKeysInText(const std::string& text, const std::string& file) {
    static const std::regex use(
        R"re(\b(?:LoadLevelByKey|LeaveTo|Start|LevelKey)\s*\(\s*(?:[A-Za-z_][\w.>\-]*\s*,\s*)?"([^"]*)"|\blevelPaths\s*\[\s*"([^"]*)")re");
    std::vector<std::pair<std::string, std::string>> keys;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), use); it != std::sregex_iterator(); ++it) {
        const auto line = 1 + std::count(text.begin(), text.begin() + it->position(0), '\n');
        keys.emplace_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str(), file + ":" + std::to_string(line));
    }
    return keys;
}

TEST(LevelKeyScanner, FindsKeysInTheirUsualPlaces) {
    const auto keys = levelKeysInText(
        "MenuFlow::LoadLevelByKey(\"MainMenu_KR\");\n"
        "MenuFlow::LeaveTo(wipe_, \"CSelection\"); wipe->Start(\"Level1\");\n"
        "{\"Quit\", MenuFlow::LevelKey(\"OptionLevel\")}; levelPaths[\"LoadingScreen\"];\n"
        "Restart(\"NotAKey\"); SetTexture(\"NotEither\");\n",
        "x.cpp");
    std::vector<std::string> found;
    for (const auto& key : keys) found.push_back(key.first);
    EXPECT_EQ(found, (std::vector<std::string>{"MainMenu_KR", "CSelection", "Level1", "OptionLevel", "LoadingScreen"}));
    EXPECT_EQ(keys[2].second, "x.cpp:2");
}

TEST(DataReferences, EveryLevelKeyInTheCodeIsInTheTable) {
    const auto table = levelTable();
    ASSERT_FALSE(table.empty());
    std::vector<std::string> missing;
    size_t found = 0;
    for (const auto& item : fs::recursive_directory_iterator(kSourceDir / "src")) {
        const auto extension = item.path().extension();
        if (!item.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
        std::ifstream in(item.path());
        std::ostringstream text;
        text << in.rdbuf();
        for (const auto& [key, where] : levelKeysInText(text.str(), repoPath(item.path()))) {
            ++found;
            if (!table.count(key)) missing.push_back("\"" + key + "\" at " + where);
        }
    }
    // Scripts on the script API declare their keys instead (checked by the declared-names test).
    for (const api::DeclaredName& name : api::DeclaredNames())
        if (name.kind == api::NameKind::LevelKey) ++found;
    EXPECT_GT(found, 10u) << "the scanner no longer sees the code's level keys";
    EXPECT_TRUE(missing.empty()) << "level keys missing from MapData/LevelPaths.xml:" << joined(missing);
}

TEST(DataReferences, EveryLevelFileTheTableNamesThatExistsLoadsCleanly) {
    TestSupport::ScratchDir dir;
    for (const char* item : {"MapData", "Objects", "Resources/Sounds", "src/sound/sound.xml", "arial.ttf",
                             "berlin_sans_fb_regular.ttf", "PassionOne-Regular.otf"})
        dir.CopyFromSource(item);
    TestSupport::HeadlessEngine engine;
    engine.Boot();  // until the boot frame has run, every load opens the loading screen
    std::vector<std::string> problems;
    std::set<std::string> checked;
    for (const auto& [key, path] : levelTable()) {
        if (!fs::exists(kSourceDir / Engine::PlatformPath(path)) || !checked.insert(path).second) continue;
        testing::internal::CaptureStdout();
        engine.factory().LoadLevel(path);
        const std::string said = testing::internal::GetCapturedStdout();
        if (engine.factory().currentLevelPath != path) problems.push_back(key + ": " + path + " does not load");
        if (said != path + "\n") problems.push_back(key + ": loading " + path + " says:\n" + said);
        engine.Step();
    }
    EXPECT_GE(checked.size(), 5u);
    EXPECT_TRUE(problems.empty()) << joined(problems);
}

}  // namespace
