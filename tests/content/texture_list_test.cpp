// The committed texture list must be exactly what the game writes back at
// exit, so that a run that changes nothing leaves the file untouched; and it
// must say what tools/art/textures.txt (the source the art is drawn from) says.
#include "texture_list_file.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace fs = std::filesystem;
using content_test::TextureEntry;
using content_test::readTextureList;

namespace {

const fs::path kSourceDir = TOLVEX_SOURCE_DIR;
const fs::path kTextureList = kSourceDir / "Objects/Textures/Texture.xml";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Builds the document as the game's writer does: the loaded file cleared,
// a root "Texture", then one entry per registry texture in key order with the
// children File, Column, Row, Frame and numbers printed with %d.
void rewriteLikeTheGame(TiXmlDocument& document, const std::map<std::string, TextureEntry>& registry) {
    document.Clear();
    auto* root = new TiXmlElement("Texture");
    document.LinkEndChild(root);
    auto number = [](int value) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", value);
        return std::string(text);
    };
    for (const auto& [name, texture] : registry) {
        auto* entry = new TiXmlElement("Texture");
        entry->SetAttribute("Name", name.c_str());
        auto* file = new TiXmlElement("File");
        file->SetAttribute("Path", texture.path.c_str());
        auto* column = new TiXmlElement("Column");
        column->SetAttribute("Column", number(texture.columns).c_str());
        auto* row = new TiXmlElement("Row");
        row->SetAttribute("Row", number(texture.rows).c_str());
        auto* frame = new TiXmlElement("Frame");
        frame->SetAttribute("Frame", number(texture.frames).c_str());
        entry->LinkEndChild(file);
        entry->LinkEndChild(column);
        entry->LinkEndChild(row);
        entry->LinkEndChild(frame);
        root->LinkEndChild(entry);
    }
}

class TextureListFile : public ::testing::Test {
protected:
    // Loads `source` as the game does, rewrites the copy in the scratch folder
    // the way the game does at exit and returns the bytes written.
    std::string roundTrip(const fs::path& source) {
        const fs::path copy = fs::path(scratch_.path()) / "Texture.xml";
        if (!fs::equivalent(source.parent_path(), copy.parent_path())) {
            fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
        } else if (source != copy) {
            fs::rename(source, copy);
        }
        TiXmlDocument document(copy.string().c_str());
        EXPECT_TRUE(document.LoadFile()) << copy;
        std::map<std::string, TextureEntry> registry;
        for (const TextureEntry& entry : readTextureList(document)) registry[entry.name] = entry;
        rewriteLikeTheGame(document, registry);
        EXPECT_TRUE(document.SaveFile());
        return readBytes(copy);
    }

    TestSupport::ScratchDir scratch_;
};

TEST_F(TextureListFile, RewriteAtExitLeavesTheCommittedFileByteIdentical) {
    ASSERT_TRUE(fs::exists(kTextureList)) << kTextureList;
    const std::string committed = readBytes(kTextureList);
    const std::string rewritten = roundTrip(kTextureList);
    EXPECT_EQ(rewritten, committed)
        << "Objects/Textures/Texture.xml is not in the form the game writes back; "
           "regenerate it with: python3 tools/art/generate.py --write-list Objects/Textures/Texture.xml";
}

// Guards the comparison above: an out-of-order file is not left as it was.
TEST_F(TextureListFile, RewriteSortsEntriesByName) {
    const std::string unsorted =
        "<Texture>\n"
        "    <Texture Name=\"b\">\n        <File Path=\"b.png\" />\n"
        "        <Column Column=\"1\" />\n        <Row Row=\"1\" />\n"
        "        <Frame Frame=\"1\" />\n    </Texture>\n"
        "    <Texture Name=\"a\">\n        <File Path=\"a.png\" />\n"
        "        <Column Column=\"5\" />\n        <Row Row=\"2\" />\n"
        "        <Frame Frame=\"10\" />\n    </Texture>\n"
        "</Texture>\n";
    scratch_.Write("unsorted.xml", unsorted);
    const std::string rewritten = roundTrip(fs::path(scratch_.path()) / "unsorted.xml");
    EXPECT_LT(rewritten.find("Name=\"a\""), rewritten.find("Name=\"b\""));
    EXPECT_NE(rewritten.find("<Column Column=\"5\" />"), std::string::npos);
    EXPECT_NE(rewritten, unsorted);
}

struct ArtSourceLine {
    std::string name;
    int columns, rows, frames, cellWidth, cellHeight;
};

std::map<std::string, ArtSourceLine> readArtSource() {
    std::map<std::string, ArtSourceLine> lines;
    std::ifstream in(kSourceDir / "tools/art/textures.txt");
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        ArtSourceLine parsed;
        if (fields >> parsed.name >> parsed.columns >> parsed.rows >> parsed.frames >>
            parsed.cellWidth >> parsed.cellHeight) {
            lines[parsed.name] = parsed;
        }
    }
    return lines;
}

TEST(TextureListSource, EveryEntryMatchesTheArtSource) {
    TiXmlDocument document(kTextureList.string().c_str());
    ASSERT_TRUE(document.LoadFile()) << kTextureList;
    const auto source = readArtSource();
    ASSERT_FALSE(source.empty());
    const auto entries = readTextureList(document);
    EXPECT_EQ(entries.size(), source.size());
    for (const TextureEntry& entry : entries) {
        SCOPED_TRACE(entry.name);
        auto it = source.find(entry.name);
        ASSERT_NE(it, source.end()) << "not in tools/art/textures.txt";
        EXPECT_EQ(entry.path, "Resources/Textures/" + entry.name + ".png");
        EXPECT_EQ(entry.columns, it->second.columns);
        EXPECT_EQ(entry.rows, it->second.rows);
        EXPECT_EQ(entry.frames, it->second.frames);
    }
}

}  // namespace
