#pragma once
// A temporary folder that becomes the working directory for one test, so data
// files with relative paths ("MapData//Level1.xml") can be written and read
// without touching the repository.

#include <string>

namespace TestSupport {

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    // Writes `content` to `relativePath` (folders created as needed).
    void Write(const std::string& relativePath, const std::string& content) const;
    std::string Read(const std::string& relativePath) const;
    bool Exists(const std::string& relativePath) const;
    // Copies a file or folder from the repository into the scratch folder.
    void CopyFromSource(const std::string& relativePath) const;
    // Copies what the headless game reads: the levels, the archetypes, the sound
    // banks (unless `withSounds` is false) and their settings, and the fonts.
    void CopyGameData(bool withSounds = true) const;

private:
    std::string path_;
    std::string previousDir_;
};

}  // namespace TestSupport
