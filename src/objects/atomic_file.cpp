#include "objects/atomic_file.h"

#include <tinyxml.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

namespace Engine {

namespace {

// Writes all of `content` to the open descriptor, through short writes and signals.
bool WriteAll(int fd, const std::string& content) {
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool SyncToDisk(int fd) { return ::fsync(fd) == 0; }

bool WriteFileAtomically(const std::string& path, const std::string& content, FileSync sync) {
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::cout << "Could not write " << temporary << std::endl;
        return false;
    }
    // The bytes reach the disk before the rename makes them the file: after a
    // power cut the old file or the whole new one is there, never an empty one.
    bool ok = WriteAll(fd, content) && (!sync || sync(fd));
    if (::close(fd) != 0) ok = false;
    if (!ok) {
        std::cout << "Could not write " << temporary << std::endl;
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::cout << "Could not replace " << path << std::endl;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool SaveDocumentAtomically(const TiXmlDocument& document, const std::string& path) {
    // The same bytes TiXmlDocument::SaveFile writes: four-space indents, one node a line.
    TiXmlPrinter printer;
    printer.SetIndent("    ");
    document.Accept(&printer);
    return WriteFileAtomically(path, printer.Str());
}

bool IsXmlName(const std::string& text) {
    if (text.empty()) return false;
    const unsigned char first = static_cast<unsigned char>(text[0]);
    if (!(std::isalpha(first) || first == '_' || first == ':')) return false;
    for (unsigned char c : text)
        if (!(std::isalnum(c) || c == '_' || c == ':' || c == '-' || c == '.')) return false;
    return true;
}

}  // namespace Engine
