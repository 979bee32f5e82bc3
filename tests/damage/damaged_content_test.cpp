// Every content file in turn removed, emptied or corrupted in a scratch copy of
// the game: from the boot frame the game still reaches the title screen, or it
// stops with one clear line naming the file it cannot do without. From the
// title it then opens the screens that read the damaged file (a gameplay level,
// the credits, a story scene; for an archetype, the gameplay levels): each
// shows, or the game stays on the title with a line naming the file. The files
// the game rewrites at exit (level-path table, texture list, sound settings)
// never come out emptier than they went in.
#include <gtest/gtest.h>

#include <tinyxml.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/core.h"
#include "game/levels/level_table.h"
#include "objects/game_object_factory.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitle = "MapData//MainMenu_KR.xml";
// The logos take ten seconds; a long texture list may hold the loading screen longer.
constexpr int kMaxFrames = 60 * 20;
// Time in each screen opened from the title: its first spawns and timers run.
constexpr int kFramesPerScreen = 90;
// The gameplay level whose scripts live in each folder of src/game; the birds,
// skills, ultimates, rounds and small level scripts all play in the egg level.
const std::map<std::string, std::string> kLevelOfScriptFolder = {
    {"egg", "Level1"},        {"birds", "Level1"},      {"skills", "Level1"},    {"ultimates", "Level1"},
    {"round", "Level1"},      {"level_scripts", "Level1"}, {"runner", "Level4"}, {"boss", "Zurododavad"},
    {"foodcourt", "Level2"},
};

const char* const kRewrittenAtExit[] = {"MapData/LevelPaths.xml", "Objects/Textures/Texture.xml",
                                        "src/sound/sound.xml"};

enum class Damage { kRemove, kEmpty, kCorrupt };

struct DamageCase {
    std::string file;  // relative to the game folder
    Damage damage;
};

std::string Describe(const DamageCase& c) {
    const char* what[] = {"removed", "emptied", "corrupted"};
    return c.file + " " + what[static_cast<int>(c.damage)];
}

// Test names and failure lines show the case, not its bytes.
void PrintTo(const DamageCase& c, std::ostream* os) { *os << Describe(c); }

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Element entries under the root of an XML file; -1 when it does not parse.
int CountEntries(const std::string& path) {
    TiXmlDocument document(path.c_str());
    if (!document.LoadFile()) return -1;
    const TiXmlElement* root = document.RootElement();
    if (!root) return -1;
    int count = 0;
    for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) ++count;
    return count;
}

std::vector<std::string> ContentFiles() {
    std::vector<std::string> files;
    const fs::path source(TOLVEX_SOURCE_DIR);
    for (const char* folder : {"MapData", "Objects"})
        for (const auto& entry : fs::directory_iterator(source / folder))
            if (entry.path().extension() == ".xml") files.push_back(fs::relative(entry.path(), source).string());
    files.push_back("Objects/Textures/Texture.xml");
    files.push_back("src/sound/sound.xml");
    for (const auto& entry : fs::directory_iterator(source / "Resources/Sounds"))
        if (entry.path().extension() == ".bank") files.push_back(fs::relative(entry.path(), source).string());
    files.push_back("arial.ttf");
    // One drawn image, when the build has drawn them.
    if (fs::exists(source / "Resources/Textures"))
        for (const auto& entry : fs::directory_iterator(source / "Resources/Textures"))
            if (entry.path().extension() == ".png") {
                files.push_back(fs::relative(entry.path(), source).string());
                break;
            }
    std::sort(files.begin(), files.end());
    return files;
}

// The name an archetype file gives its archetype, read from the undamaged source.
std::string ArchetypeName(const std::string& file) {
    TiXmlDocument document((fs::path(TOLVEX_SOURCE_DIR) / file).string().c_str());
    if (!document.LoadFile() || !document.RootElement()) return {};
    const char* name = document.RootElement()->Attribute("Name");
    return name ? name : "";
}

// The gameplay levels whose scripts spawn the archetype `name`: the folders of
// src/game whose sources quote it.
std::set<std::string> LevelsSpawning(const std::string& name) {
    std::set<std::string> keys;
    const fs::path game = fs::path(TOLVEX_SOURCE_DIR) / "src" / "game";
    for (const auto& entry : fs::recursive_directory_iterator(game)) {
        if (entry.path().extension() != ".cpp") continue;
        const auto folder = kLevelOfScriptFolder.find(entry.path().parent_path().filename().string());
        if (folder == kLevelOfScriptFolder.end() || keys.count(folder->second)) continue;
        if (ReadAll(entry.path().string()).find("\"" + name + "\"") != std::string::npos) keys.insert(folder->second);
    }
    return keys;
}

// The level-path keys of the screens that read `file` beyond the way to the
// title: the level itself for a level file; for an archetype, the gameplay
// levels that name it or whose scripts spawn it (the egg level when neither
// says: the birds, which play everywhere, spawn most of the rest).
std::vector<std::string> ScreensReading(const std::string& file, const std::map<std::string, std::string>& table) {
    std::vector<std::string> keys;
    const fs::path path(file);
    if (path.parent_path() == "MapData") {
        for (const auto& [key, levelPath] : table) {
            std::string normal = levelPath;
            for (size_t at = normal.find("//"); at != std::string::npos; at = normal.find("//")) normal.erase(at, 1);
            if (normal == file && levelPath != kTitle && key != "LoadingScreen") keys.push_back(key);
        }
    } else if (path.parent_path() == "Objects" && path.filename() != "ArchetypeList.xml") {
        const std::string name = ArchetypeName(file);
        for (int row = 0; row < levels::RowCount(); ++row) {
            const char* key = levels::Rows()[row].key.c_str();
            const auto level = table.find(key);
            if (level == table.end()) continue;
            const std::string text = ReadAll((fs::path(TOLVEX_SOURCE_DIR) / "MapData" /
                                              fs::path(level->second).filename()).string());
            if (!name.empty() && text.find("\"" + name + "\"") != std::string::npos) keys.push_back(key);
        }
        for (const std::string& key : LevelsSpawning(name))
            if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
        if (keys.empty()) keys.push_back("Level1");
    }
    return keys;
}

std::vector<DamageCase> AllCases() {
    std::vector<DamageCase> cases;
    for (const std::string& file : ContentFiles())
        for (Damage d : {Damage::kRemove, Damage::kEmpty, Damage::kCorrupt}) cases.push_back({file, d});
    return cases;
}

void Apply(const DamageCase& c) {
    if (c.damage == Damage::kRemove) {
        fs::remove(c.file);
        return;
    }
    std::string bytes = ReadAll(c.file);
    if (c.damage == Damage::kEmpty) {
        bytes.clear();
    } else {
        // Cut in the middle, then garbage that is neither XML nor any image or font.
        bytes.resize(bytes.size() / 2);
        bytes += "<\x01\xff garbage &bogus; <<<";
    }
    std::ofstream(c.file, std::ios::binary | std::ios::trunc) << bytes;
}

class DamagedContentTest : public ::testing::TestWithParam<DamageCase> {
protected:
    DamagedContentTest() {
        dir.CopyGameData();
        if (fs::exists(fs::path(TOLVEX_SOURCE_DIR) / "Resources/Textures")) dir.CopyFromSource("Resources/Textures");
    }
    TestSupport::ScratchDir dir;
};

TEST_P(DamagedContentTest, TheGameReachesTheTitleOrStopsNamingTheFile) {
    const DamageCase& c = GetParam();
    Apply(c);
    int before[3];
    for (int i = 0; i < 3; ++i) before[i] = CountEntries(kRewrittenAtExit[i]);
    const std::string damagedBytes = fs::exists(c.file) ? ReadAll(c.file) : std::string();

    testing::internal::CaptureStdout();
    std::string level;
    bool stopped = false;
    std::vector<std::string> screensOpened, screensRefused;
    std::string stoppedIn;
    {
        auto engine = std::make_unique<TestSupport::HeadlessEngine>();
        for (int frame = 0; frame < kMaxFrames; ++frame) {
            engine->Step();
            level = engine->factory().currentLevelPath;
            if (level == kTitle) break;
            if (!engine->core().active) {
                stopped = true;
                break;
            }
        }
        if (level == kTitle) {
            // The screens that read the damaged file, opened from the title as its
            // entries would, then back to the title for the next.
            for (const std::string& key : ScreensReading(c.file, engine->factory().levelPaths)) {
                const bool opened = engine->factory().LoadLevelByKey(key);
                const std::string shown = engine->factory().currentLevelPath;
                for (int frame = 0; frame < kFramesPerScreen && engine->core().active; ++frame) engine->Step();
                if (!engine->core().active) {
                    stoppedIn = key;
                    break;
                }
                (opened ? screensOpened : screensRefused).push_back(key);
                if (!opened) {
                    EXPECT_EQ(shown, kTitle) << key << " was refused but the title did not stay";
                }
                engine->factory().LoadLevelByKey("MainMenu_KR");
            }
        }
        // Leaving the game writes its files.
    }
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(stoppedIn, "") << "the game stopped in " << stoppedIn << ":\n" << out;
    if (!screensRefused.empty()) {
        // A screen that could not be read leaves a line naming its file.
        EXPECT_NE(out.find(fs::path(c.file).filename().string()), std::string::npos)
            << "refused " << screensRefused.front() << " without naming " << c.file << ":\n" << out;
    }
    if (c.damage != Damage::kCorrupt && fs::path(c.file).parent_path() == "MapData" && c.file != "MapData/LevelPaths.xml")
        for (const std::string& key : screensOpened) ADD_FAILURE() << key << " opened from a " << Describe(c);

    if (level != kTitle) {
        ASSERT_TRUE(stopped) << "neither reached the title nor stopped; last level \"" << level << "\"\n" << out;
        // One line says which file the game could not do without.
        const std::string name = fs::path(c.file).filename().string();
        EXPECT_NE(out.find(name), std::string::npos) << "the stop does not name " << c.file << ":\n" << out;
    }

    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(kRewrittenAtExit[i]);
        const int after = CountEntries(kRewrittenAtExit[i]);
        if (kRewrittenAtExit[i] == c.file) {
            // The damaged file is left as it was, or replaced by a readable one.
            if (after < 0 || after < std::max(before[i], 0)) {
                EXPECT_EQ(fs::exists(c.file) ? ReadAll(c.file) : std::string(), damagedBytes)
                    << "a damaged file was replaced by an emptier one";
            }
        } else {
            EXPECT_GE(after, before[i]) << "a file written at exit lost entries";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFile, DamagedContentTest, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                             std::string name = Describe(info.param);
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

}  // namespace
