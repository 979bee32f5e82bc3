#include "wiring/user_files.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

#include "objects/atomic_file.h"

namespace Engine {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInstalledLevelPaths = "MapData/LevelPaths.xml";
constexpr const char* kInstalledTextureList = "Objects/Textures/Texture.xml";
constexpr const char* kInstalledSoundSettings = "src/sound/sound.xml";

std::string WithSlash(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

std::string XdgDirectory(const EnvironmentLookup& environment, const char* variable, const char* homeRelative) {
    const char* value = environment ? environment(variable) : nullptr;
    // Relative values are invalid and to be ignored.
    if (value && value[0] == '/') return WithSlash(value) + "tolvex/";
    const char* home = environment ? environment("HOME") : nullptr;
    if (home && home[0] == '/') return WithSlash(home) + homeRelative + "/tolvex/";
    return std::string();
}

bool ReadWhole(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    out = content.str();
    return !in.bad();
}

// Makes `userPath` from `installedPath` when it is missing; on failure points
// `userPath` at the installed copy so the game still reads it.
void Seed(const std::string& installedPath, std::string& userPath) {
    std::error_code error;
    if (fs::exists(userPath, error)) return;
    fs::create_directories(fs::path(userPath).parent_path(), error);
    std::string content;
    if (!error && ReadWhole(installedPath, content) && WriteFileAtomically(userPath, content)) return;
    std::cout << "Cannot make " << userPath << "; reading " << installedPath << " instead" << std::endl;
    userPath = installedPath;
}

}  // namespace

std::string InstalledDataDirectory(const std::string& executablePath) {
    const size_t cut = executablePath.find_last_of('/');
    if (cut == std::string::npos) return std::string();
    const std::string candidate = executablePath.substr(0, cut + 1) + "../share/tolvex/";
    std::error_code error;
    if (!fs::is_regular_file(candidate + kInstalledLevelPaths, error)) return std::string();
    return WithSlash(fs::weakly_canonical(candidate, error).string());
}

std::string UserDataDirectory(const EnvironmentLookup& environment) {
    return XdgDirectory(environment, "XDG_DATA_HOME", ".local/share");
}

std::string UserConfigDirectory(const EnvironmentLookup& environment) {
    return XdgDirectory(environment, "XDG_CONFIG_HOME", ".config");
}

UserFiles LocateUserFiles(const std::string& executablePath, const EnvironmentLookup& environment) {
    UserFiles files;
    const std::string config = UserConfigDirectory(environment);
    if (!config.empty()) {
        files.controllerMappingsFile = config + "gamecontrollerdb.txt";
        files.recentAddressesFile = config + "recent_addresses.txt";
    }
    files.dataDirectory = InstalledDataDirectory(executablePath);
    files.installed = !files.dataDirectory.empty();
    if (!files.installed) return files;
    const std::string data = UserDataDirectory(environment);
    // Without a home, the installed copies are read (and their rewrites fail with a line).
    files.levelPathsFile = data.empty() ? files.dataDirectory + kInstalledLevelPaths : data + "LevelPaths.xml";
    files.textureListFile = data.empty() ? files.dataDirectory + kInstalledTextureList : data + "Texture.xml";
    files.soundSettingsFile = config.empty() ? files.dataDirectory + kInstalledSoundSettings : config + "sound.xml";
    return files;
}

void SeedUserFiles(UserFiles& files) {
    if (!files.installed) return;
    Seed(files.dataDirectory + kInstalledLevelPaths, files.levelPathsFile);
    Seed(files.dataDirectory + kInstalledTextureList, files.textureListFile);
    Seed(files.dataDirectory + kInstalledSoundSettings, files.soundSettingsFile);
}

std::string ExecutablePath(const std::string& fallback) {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fallback : self.string();
}

}  // namespace Engine
