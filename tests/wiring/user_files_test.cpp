// Where the rewritten files live: beside the data in a checkout, in the user's
// XDG folders when installed, seeded from the installed copies.
#include "wiring/user_files.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/scratch_dir.h"

namespace {

using Environment = std::map<std::string, std::string>;

Engine::EnvironmentLookup Lookup(const Environment& environment) {
    return [&environment](const char* name) -> const char* {
        auto it = environment.find(name);
        return it == environment.end() ? nullptr : it->second.c_str();
    };
}

struct XdgCase {
    const char* name;
    Environment environment;
    const char* data;
    const char* config;
};

TEST(UserFiles, XdgFoldersFollowTheVariablesAndFallBackToHome) {
    const XdgCase cases[] = {
        {"both set", {{"XDG_DATA_HOME", "/d"}, {"XDG_CONFIG_HOME", "/c/"}, {"HOME", "/h"}}, "/d/tolvex/", "/c/tolvex/"},
        {"home only", {{"HOME", "/home/ann"}}, "/home/ann/.local/share/tolvex/", "/home/ann/.config/tolvex/"},
        {"relative values are ignored", {{"XDG_DATA_HOME", "rel"}, {"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}},
         "/h/.local/share/tolvex/", "/h/.config/tolvex/"},
        {"nothing usable", {{"HOME", "relative"}}, "", ""},
    };
    for (const XdgCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Engine::UserDataDirectory(Lookup(c.environment)), c.data);
        EXPECT_EQ(Engine::UserConfigDirectory(Lookup(c.environment)), c.config);
    }
}

TEST(UserFiles, AnExecutableInACheckoutKeepsTheRelativePaths) {
    TestSupport::ScratchDir dir;
    dir.Write("MapData/LevelPaths.xml", "<LevelPaths/>");
    dir.Write("build/release/tolvex", "");
    const Environment environment{{"HOME", "/home/ann"}};
    const Engine::UserFiles files = Engine::LocateUserFiles(dir.path() + "/build/release/tolvex", Lookup(environment));
    EXPECT_FALSE(files.installed);
    EXPECT_EQ(files.levelPathsFile, "MapData/LevelPaths.xml");
    EXPECT_EQ(files.textureListFile, "Objects/Textures/Texture.xml");
    EXPECT_EQ(files.soundSettingsFile, "src/sound/sound.xml");
    EXPECT_EQ(files.controllerMappingsFile, "/home/ann/.config/tolvex/gamecontrollerdb.txt");
}

struct InstalledTree {
    TestSupport::ScratchDir dir;
    std::string executable;
    InstalledTree() {
        dir.Write("usr/share/tolvex/MapData/LevelPaths.xml", "<LevelPaths><A A=\"MapData//A.xml\"/></LevelPaths>");
        dir.Write("usr/share/tolvex/Objects/Textures/Texture.xml", "<Texture/>");
        dir.Write("usr/share/tolvex/src/sound/sound.xml", "<Sound><Volume Volume=\"1\"/></Sound>");
        dir.Write("usr/bin/tolvex", "");
        executable = dir.path() + "/usr/bin/tolvex";
    }
};

TEST(UserFiles, AnInstalledGameKeepsItsFilesInTheUsersFoldersSeededOnce) {
    InstalledTree tree;
    const Environment environment{{"XDG_DATA_HOME", tree.dir.path() + "/data"},
                                  {"XDG_CONFIG_HOME", tree.dir.path() + "/config"}};
    Engine::UserFiles files = Engine::LocateUserFiles(tree.executable, Lookup(environment));
    ASSERT_TRUE(files.installed);
    EXPECT_EQ(files.dataDirectory, tree.dir.path() + "/usr/share/tolvex/");
    EXPECT_EQ(files.levelPathsFile, tree.dir.path() + "/data/tolvex/LevelPaths.xml");
    EXPECT_EQ(files.textureListFile, tree.dir.path() + "/data/tolvex/Texture.xml");
    EXPECT_EQ(files.soundSettingsFile, tree.dir.path() + "/config/tolvex/sound.xml");
    EXPECT_EQ(files.controllerMappingsFile, tree.dir.path() + "/config/tolvex/gamecontrollerdb.txt");

    Engine::SeedUserFiles(files);
    EXPECT_EQ(tree.dir.Read("data/tolvex/LevelPaths.xml"), tree.dir.Read("usr/share/tolvex/MapData/LevelPaths.xml"));
    EXPECT_EQ(tree.dir.Read("data/tolvex/Texture.xml"), "<Texture/>");
    EXPECT_EQ(tree.dir.Read("config/tolvex/sound.xml"), tree.dir.Read("usr/share/tolvex/src/sound/sound.xml"));

    // The player's own copy is never overwritten by a later start.
    tree.dir.Write("config/tolvex/sound.xml", "<Sound><Volume Volume=\"0.25\"/></Sound>");
    Engine::UserFiles again = Engine::LocateUserFiles(tree.executable, Lookup(environment));
    Engine::SeedUserFiles(again);
    EXPECT_EQ(tree.dir.Read("config/tolvex/sound.xml"), "<Sound><Volume Volume=\"0.25\"/></Sound>");
}

TEST(UserFiles, AFolderThatCannotBeMadeFallsBackToTheInstalledCopy) {
    InstalledTree tree;
    // A plain file where the data folder should be.
    tree.dir.Write("blocked", "");
    const Environment environment{{"XDG_DATA_HOME", tree.dir.path() + "/blocked"},
                                  {"XDG_CONFIG_HOME", tree.dir.path() + "/config"}};
    Engine::UserFiles files = Engine::LocateUserFiles(tree.executable, Lookup(environment));
    testing::internal::CaptureStdout();
    Engine::SeedUserFiles(files);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(files.levelPathsFile, files.dataDirectory + "MapData/LevelPaths.xml");
    EXPECT_EQ(files.textureListFile, files.dataDirectory + "Objects/Textures/Texture.xml");
    EXPECT_EQ(files.soundSettingsFile, tree.dir.path() + "/config/tolvex/sound.xml");
    EXPECT_NE(printed.find("Cannot make " + tree.dir.path() + "/blocked/tolvex/LevelPaths.xml"), std::string::npos);
}

}  // namespace
