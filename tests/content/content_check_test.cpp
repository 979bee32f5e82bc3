// The content check: every texture the list names is an image that loads and
// splits into its cells, names are unique, every texture name that the data
// files or the code use is in the list, and the three fonts are in place.
// Failures list what is missing by name.
#include "texture_list_file.h"

#include <SOIL/SOIL.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>
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

namespace fs = std::filesystem;
using content_test::TextureEntry;
using content_test::readTextureList;

namespace {

const fs::path kSourceDir = TOLVEX_SOURCE_DIR;
const fs::path kTextureList = kSourceDir / "Objects/Textures/Texture.xml";

std::vector<TextureEntry> loadList(std::vector<std::string>* problems = nullptr) {
    TiXmlDocument document(kTextureList.string().c_str());
    if (!document.LoadFile()) return {};
    return readTextureList(document, problems);
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return text;
}

TEST(TextureListContent, IsCompleteAndNamesAreUnique) {
    std::vector<std::string> problems;
    const auto entries = loadList(&problems);
    ASSERT_FALSE(entries.empty()) << "cannot read " << kTextureList;
    std::map<std::string, int> seen;
    for (const TextureEntry& entry : entries) ++seen[entry.name];
    for (const auto& [name, count] : seen) {
        if (count > 1) problems.push_back(name + " is listed " + std::to_string(count) + " times");
    }
    EXPECT_TRUE(problems.empty()) << joined(problems);
}

TEST(TextureListContent, EveryImageLoadsAndSplitsIntoItsCells) {
    const auto entries = loadList();
    ASSERT_FALSE(entries.empty());
    std::vector<std::string> problems;
    for (const TextureEntry& entry : entries) {
        const fs::path image = kSourceDir / entry.path;
        int width = 0, height = 0, channels = 0;
        unsigned char* pixels =
            SOIL_load_image(image.string().c_str(), &width, &height, &channels, SOIL_LOAD_RGBA);
        if (!pixels) {
            problems.push_back(entry.name + ": " + entry.path + " does not load");
            continue;
        }
        SOIL_free_image_data(pixels);
        if (entry.columns < 1 || entry.rows < 1 || width % entry.columns || height % entry.rows) {
            problems.push_back(entry.name + ": " + std::to_string(width) + "x" + std::to_string(height) +
                               " does not split into " + std::to_string(entry.columns) + "x" +
                               std::to_string(entry.rows) + " cells");
        }
        if (entry.frames < 1 || entry.frames > entry.columns * entry.rows) {
            problems.push_back(entry.name + ": " + std::to_string(entry.frames) + " frames in " +
                               std::to_string(entry.columns * entry.rows) + " cells");
        }
    }
    EXPECT_TRUE(problems.empty()) << joined(problems);
}

// ---- where texture names are used -------------------------------------------

struct TextureUse {
    std::string name;
    std::string where;  // file:line
};

std::string repoRelative(const fs::path& path) {
    return fs::relative(path, kSourceDir).generic_string();
}

void collectTextureSettings(const TiXmlElement* element, const std::string& file,
                            std::vector<TextureUse>& uses) {
    for (; element; element = element->NextSiblingElement()) {
        if (std::string(element->Value()) == "Texture" && element->FirstAttribute()) {
            const std::string value = element->FirstAttribute()->Value();
            if (value != "Null") uses.push_back({value, file + ":" + std::to_string(element->Row())});
        }
        collectTextureSettings(element->FirstChildElement(), file, uses);
    }
}

// (a) data files: the first attribute of every "Texture" setting (other than
// "Null") in the XML files under MapData/ and Objects/. The texture list
// itself is the catalogue, not a use.
std::vector<TextureUse> textureUsesInDataFiles(std::vector<std::string>& unreadable) {
    std::vector<TextureUse> uses;
    for (const char* folder : {"MapData", "Objects"}) {
        const fs::path root = kSourceDir / folder;
        if (!fs::exists(root)) continue;
        for (const auto& item : fs::recursive_directory_iterator(root)) {
            if (!item.is_regular_file() || item.path().extension() != ".xml") continue;
            if (fs::equivalent(item.path(), kTextureList)) continue;
            TiXmlDocument document(item.path().string().c_str());
            if (!document.LoadFile()) {
                unreadable.push_back(repoRelative(item.path()) + ": " + document.ErrorDesc());
                continue;
            }
            collectTextureSettings(document.FirstChildElement(), repoRelative(item.path()), uses);
        }
    }
    return uses;
}

// (b) code: string literals passed straight to SetTexture, GetTexture or
// getTexture in the sources under src/.
std::vector<TextureUse> textureUsesInText(const std::string& text, const std::string& file) {
    // An object may come first: SetTexture(logo, "TalvikLogo").
    static const std::regex call(
        R"(\b(?:SetTexture|GetTexture|getTexture)\s*\(\s*(?:[A-Za-z_][\w.>\-]*\s*,\s*)?"((?:[^"\\]|\\.)*)\")");
    std::vector<TextureUse> uses;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), call); it != std::sregex_iterator(); ++it) {
        const auto line = 1 + std::count(text.begin(), text.begin() + it->position(0), '\n');
        uses.push_back({(*it)[1].str(), file + ":" + std::to_string(line)});
    }
    return uses;
}

std::vector<TextureUse> textureUsesInCode() {
    std::vector<TextureUse> uses;
    const fs::path root = kSourceDir / "src";
    if (!fs::exists(root)) return uses;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        const auto extension = item.path().extension();
        if (!item.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
        std::ifstream in(item.path());
        std::ostringstream text;
        text << in.rdbuf();
        auto found = textureUsesInText(text.str(), repoRelative(item.path()));
        uses.insert(uses.end(), found.begin(), found.end());
    }
    return uses;
}

TEST(TextureNameScanner, FindsLiteralsPassedToTheTextureCalls) {
    const std::string code =
        "sprite->SetTexture(\"EggDestroyed\");\n"
        "auto* t = graphics->GetTexture( \"Mark\" );\n"
        "getTexture(\"Particle_CircleWhite\"); SetTexture(name);\n"
        "ResetTexture(\"NotACall\"); // SetTextureName(\"NotEither\")\n"
        "Engine::SetTexture(background, \"AA_Talvik_Logo\");\n";
    const auto uses = textureUsesInText(code, "x.cpp");
    ASSERT_EQ(uses.size(), 4u);
    EXPECT_EQ(uses[0].name, "EggDestroyed");
    EXPECT_EQ(uses[0].where, "x.cpp:1");
    EXPECT_EQ(uses[1].name, "Mark");
    EXPECT_EQ(uses[2].name, "Particle_CircleWhite");
    EXPECT_EQ(uses[2].where, "x.cpp:3");
    EXPECT_EQ(uses[3].name, "AA_Talvik_Logo");
}

TEST(TextureNameScanner, ReadsTheFirstAttributeOfTextureSettingsAtAnyDepth) {
    TiXmlDocument document;
    document.Parse(
        "<Obj>\n"
        "  <SpriteRenderer><Texture Name=\"Thunderball\"/><Color R=\"1\"/></SpriteRenderer>\n"
        "  <ParticleSystem><Texture T=\"Null\"/></ParticleSystem>\n"
        "  <Deep><Deeper><Texture Whatever=\"Mark\" Second=\"Ignored\"/></Deeper></Deep>\n"
        "</Obj>\n");
    std::vector<TextureUse> uses;
    collectTextureSettings(document.FirstChildElement(), "a.xml", uses);
    ASSERT_EQ(uses.size(), 2u);
    EXPECT_EQ(uses[0].name, "Thunderball");
    EXPECT_EQ(uses[0].where, "a.xml:2");
    EXPECT_EQ(uses[1].name, "Mark");
}

TEST(TextureListContent, EveryTextureNameUsedIsInTheList) {
    std::set<std::string> listed;
    for (const TextureEntry& entry : loadList()) listed.insert(entry.name);
    ASSERT_FALSE(listed.empty());

    std::vector<std::string> unreadable;
    auto uses = textureUsesInDataFiles(unreadable);
    const auto codeUses = textureUsesInCode();
    uses.insert(uses.end(), codeUses.begin(), codeUses.end());

    std::vector<std::string> missing;
    for (const TextureUse& use : uses) {
        if (!listed.count(use.name)) missing.push_back("\"" + use.name + "\" used at " + use.where);
    }
    EXPECT_TRUE(unreadable.empty()) << "data files that do not load:" << joined(unreadable);
    EXPECT_TRUE(missing.empty()) << "textures not in Objects/Textures/Texture.xml:" << joined(missing);
}

// ---- fonts ----------------------------------------------------------------------

TEST(Fonts, TheThreeFontFilesOpenWithFreeType) {
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    std::vector<std::string> problems;
    for (const char* file : {"arial.ttf", "berlin_sans_fb_regular.ttf", "PassionOne-Regular.otf"}) {
        FT_Face face = nullptr;
        const fs::path path = kSourceDir / file;
        if (FT_New_Face(library, path.string().c_str(), 0, &face) != 0) {
            problems.push_back(std::string(file) + " is missing or not a font");
            continue;
        }
        if (FT_Set_Pixel_Sizes(face, 0, 32) != 0 || FT_Load_Char(face, 'A', FT_LOAD_RENDER) != 0 ||
            face->glyph->bitmap.width == 0) {
            problems.push_back(std::string(file) + " has no drawable 'A' at 32 px");
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    EXPECT_TRUE(problems.empty()) << joined(problems);
}

}  // namespace
