#include "support/scratch_dir.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace fs = std::filesystem;

namespace TestSupport {

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "tolvex-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    previousDir_ = fs::current_path().string();
    fs::current_path(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::current_path(previousDir_, ignored);
    fs::remove_all(path_, ignored);
}

void ScratchDir::Write(const std::string& relativePath, const std::string& content) const {
    const fs::path full = fs::path(path_) / relativePath;
    if (full.has_parent_path()) fs::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
}

std::string ScratchDir::Read(const std::string& relativePath) const {
    std::ifstream in(fs::path(path_) / relativePath, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

bool ScratchDir::Exists(const std::string& relativePath) const { return fs::exists(fs::path(path_) / relativePath); }

void ScratchDir::CopyFromSource(const std::string& relativePath) const {
    const fs::path from = fs::path(TOLVEX_SOURCE_DIR) / relativePath;
    const fs::path to = fs::path(path_) / relativePath;
    if (to.has_parent_path()) fs::create_directories(to.parent_path());
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void ScratchDir::CopyGameData(bool withSounds) const {
    CopyFromSource("MapData");
    CopyFromSource("Objects");
    if (withSounds) CopyFromSource("Resources/Sounds");
    CopyFromSource("src/sound/sound.xml");
    for (const char* font : {"arial.ttf", "berlin_sans_fb_regular.ttf", "PassionOne-Regular.otf"}) CopyFromSource(font);
}

}  // namespace TestSupport
