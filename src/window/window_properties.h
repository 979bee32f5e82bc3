#pragma once

#include <string>

namespace Engine {

// "MapData/WindowProperties.xml", read by position: title, client width, client
// height, editor mode (non-zero turns it on).
struct WindowProperties {
    static constexpr const char* kFile = "MapData/WindowProperties.xml";

    std::string title;
    int width = 0;
    int height = 0;
    bool editorMode = false;

    // A file that cannot be read, or lacks values, gives what it could read and a
    // line on standard output.
    static WindowProperties Read(const std::string& path = kFile);
};

}  // namespace Engine
