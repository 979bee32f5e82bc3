// The content check over the names the scripts declare (api::LevelKey,
// api::ObjectName, api::TextureName, api::ArchetypeName, api::SoundEvent): each
// one exists in the data the game ships.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "api/names.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = TOLVEX_SOURCE_DIR;

std::string FirstValue(const TiXmlElement* element) {
    const TiXmlAttribute* attribute = element ? element->FirstAttribute() : nullptr;
    return attribute ? attribute->Value() : "";
}

std::set<std::string> LevelKeys() {
    std::set<std::string> keys;
    TiXmlDocument document((kSourceDir / "MapData/LevelPaths.xml").string().c_str());
    if (document.LoadFile() && document.RootElement())
        for (const TiXmlElement* e = document.RootElement()->FirstChildElement(); e; e = e->NextSiblingElement())
            keys.insert(e->Value());
    return keys;
}

// Names that levels and archetypes give objects, and the archetypes' own names.
void NamesInData(std::set<std::string>& objects, std::set<std::string>& archetypes) {
    for (const char* folder : {"MapData", "Objects"}) {
        for (const auto& item : fs::recursive_directory_iterator(kSourceDir / folder)) {
            if (!item.is_regular_file() || item.path().extension() != ".xml") continue;
            TiXmlDocument document(item.path().string().c_str());
            if (!document.LoadFile() || !document.RootElement()) continue;
            const TiXmlElement* root = document.RootElement();
            if (std::string(root->Value()) == "Archetype") objects.insert(FirstValue(root));
            for (const TiXmlElement* group = root->FirstChildElement(); group; group = group->NextSiblingElement())
                objects.insert(FirstValue(group));
        }
    }
    // Only archetypes the archetype list loads can be spawned.
    TiXmlDocument list((kSourceDir / "Objects/ArchetypeList.xml").string().c_str());
    if (!list.LoadFile() || !list.RootElement()) return;
    for (const TiXmlElement* e = list.RootElement()->FirstChildElement(); e; e = e->NextSiblingElement()) {
        TiXmlDocument file((kSourceDir / "Objects" / FirstValue(e)).string().c_str());
        if (file.LoadFile() && file.RootElement()) archetypes.insert(FirstValue(file.RootElement()));
    }
}

std::set<std::string> TextureNames() {
    std::set<std::string> names;
    TiXmlDocument document((kSourceDir / "Objects/Textures/Texture.xml").string().c_str());
    if (document.LoadFile() && document.RootElement())
        for (const TiXmlElement* e = document.RootElement()->FirstChildElement(); e; e = e->NextSiblingElement())
            names.insert(FirstValue(e));
    return names;
}

}  // namespace

TEST(DeclaredNames, EveryNameAScriptDeclaresExistsInTheData) {
    const auto& declared = api::DeclaredNames();
    ASSERT_FALSE(declared.empty()) << "no script declared any name";
    const std::set<std::string> levelKeys = LevelKeys();
    std::set<std::string> objects, archetypes;
    NamesInData(objects, archetypes);
    const std::set<std::string> textures = TextureNames();
    ASSERT_FALSE(levelKeys.empty());
    ASSERT_FALSE(textures.empty());

    std::ostringstream missing;
    for (const api::DeclaredName& name : declared) {
        const char* what = nullptr;
        switch (name.kind) {
        case api::NameKind::LevelKey:
            if (!levelKeys.count(name.name)) what = "level key not in MapData/LevelPaths.xml";
            break;
        case api::NameKind::Object:
            if (!objects.count(name.name)) what = "object no level or archetype names";
            break;
        case api::NameKind::Texture:
            if (!textures.count(name.name)) what = "texture not in the texture list";
            break;
        case api::NameKind::Archetype:
            if (!archetypes.count(name.name)) what = "archetype not loaded by Objects/ArchetypeList.xml";
            break;
        case api::NameKind::SoundEvent:
            // The sound content test plays every event literal of the code from the bank.
            if (name.name.rfind("event:/", 0) != 0) what = "sound event path does not start with event:/";
            break;
        }
        if (what)
            missing << "\n  \"" << name.name << "\" (" << fs::path(name.file).filename().string() << "): " << what;
    }
    EXPECT_TRUE(missing.str().empty()) << missing.str();
}
