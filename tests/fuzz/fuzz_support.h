#pragma once
// What every reader fuzzer shares: a scratch working folder the inputs are written
// into, a quiet standard output (the readers report bad input there), and a
// check that ends the run with a report when a property fails.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <unistd.h>

namespace FuzzSupport {

inline void EnterScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvex-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    std::filesystem::current_path(pattern);
    std::cout.setstate(std::ios::failbit);
}

inline void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A property the reader promises; a broken one is a finding.
inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace FuzzSupport
