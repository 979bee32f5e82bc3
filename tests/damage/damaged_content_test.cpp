// Every content file in turn removed, emptied or corrupted in a scratch copy of
// the game: from the boot frame the game still reaches the title screen, or it
// stops with one clear line naming the file it cannot do without. The files the
// game rewrites at exit (level-path table, texture list, sound settings) never
// come out emptier than they went in.
#include <gtest/gtest.h>

#include <tinyxml.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/core.h"
#include "objects/game_object_factory.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitle = "MapData//MainMenu_KR.xml";
// The logos take ten seconds; a long texture list may hold the loading screen longer.
constexpr int kMaxFrames = 60 * 20;

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
        // Leaving the game writes its files.
    }
    const std::string out = testing::internal::GetCapturedStdout();

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
