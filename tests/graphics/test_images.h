#pragma once
// Small RGBA images written as TGA files for the drawing tests.

#include <SOIL/SOIL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/gl_window_fixture.h"

namespace TestImages {

// Writes a w x h image whose pixel (x, y), y from the top, is colour(x, y).
template <class ColourAt>
std::string WriteImage(const std::string& path, int w, int h, ColourAt colour) {
    std::vector<unsigned char> pixels(static_cast<size_t>(w * h * 4));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TestSupport::Rgba c = colour(x, y);
            unsigned char* p = &pixels[static_cast<size_t>((y * w + x) * 4)];
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
            p[3] = c.a;
        }
    SOIL_save_image(path.c_str(), SOIL_SAVE_TYPE_TGA, w, h, 4, pixels.data());
    return path;
}

inline std::string WriteSolid(const std::string& path, TestSupport::Rgba c) {
    return WriteImage(path, 2, 2, [c](int, int) { return c; });
}

constexpr TestSupport::Rgba kRed{255, 0, 0, 255};
constexpr TestSupport::Rgba kGreen{0, 255, 0, 255};
constexpr TestSupport::Rgba kBlue{0, 0, 255, 255};
constexpr TestSupport::Rgba kWhite{255, 255, 255, 255};

}  // namespace TestImages
