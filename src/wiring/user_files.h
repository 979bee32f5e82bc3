#pragma once
// Where the game finds its data and keeps the files it rewrites.
//
// Run from a checkout (the executable in build/<tree>/), the game reads and
// writes everything relative to the working directory, as it always has.
// Installed (the executable in <prefix>/bin/ with its data in
// <prefix>/share/tolvex/), it reads its data from the prefix and keeps the three
// files it rewrites in the user's own directories, copied from the installed
// ones on the first run:
//   level-path table  $XDG_DATA_HOME/tolvex/LevelPaths.xml  (~/.local/share/tolvex)
//   texture list      $XDG_DATA_HOME/tolvex/Texture.xml
//   settings          $XDG_CONFIG_HOME/tolvex/sound.xml     (~/.config/tolvex)
//                     (sound, display and both players' controls)
// Controller mappings are read from $XDG_CONFIG_HOME/tolvex/gamecontrollerdb.txt
// and the recently joined online addresses kept in
// $XDG_CONFIG_HOME/tolvex/recent_addresses.txt either way.

#include <functional>
#include <string>

namespace Engine {

struct UserFiles {
    // The installed data was found; the working directory is to become `dataDirectory`.
    bool installed = false;
    // <prefix>/share/tolvex/ when installed, empty otherwise.
    std::string dataDirectory;
    // Where the three rewritten files live (relative to the working directory when not installed).
    std::string levelPathsFile = "MapData/LevelPaths.xml";
    std::string textureListFile = "Objects/Textures/Texture.xml";
    std::string soundSettingsFile = "src/sound/sound.xml";
    // $XDG_CONFIG_HOME/tolvex/gamecontrollerdb.txt (empty without a home).
    std::string controllerMappingsFile;
    // $XDG_CONFIG_HOME/tolvex/recent_addresses.txt: the addresses last joined
    // online (empty without a home: none are kept).
    std::string recentAddressesFile;
};

// Reads an environment variable; nullptr when unset.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The data folder installed beside the executable ("<exe dir>/../share/tolvex/",
// recognised by its level-path table), or empty.
std::string InstalledDataDirectory(const std::string& executablePath);

// $XDG_DATA_HOME or $XDG_CONFIG_HOME with "tolvex/" appended, falling back to
// ~/.local/share and ~/.config when the variable is unset or not absolute.
// Empty when neither the variable nor $HOME is usable.
std::string UserDataDirectory(const EnvironmentLookup& environment);
std::string UserConfigDirectory(const EnvironmentLookup& environment);

UserFiles LocateUserFiles(const std::string& executablePath, const EnvironmentLookup& environment);

// When installed: creates the user folders and copies each rewritten file that
// the user does not have yet from the installed data. A file that cannot be
// made is named in one line and read from the installed copy instead.
void SeedUserFiles(UserFiles& files);

// The executable's own path (/proc/self/exe), or `fallback` when it cannot be read.
std::string ExecutablePath(const std::string& fallback);

}  // namespace Engine
