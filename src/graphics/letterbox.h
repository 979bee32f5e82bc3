#pragma once
// The picture keeps the world's 16:9 shape in a window of any shape: it fills
// the largest 16:9 rectangle centred in the client area and black bars fill the
// rest (above and below in a taller window, left and right in a wider one).

namespace Engine::graphics {

// A rectangle of the client area in drawable pixels, GL style: x, y from the
// bottom-left corner.
struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Viewport& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
};

// The 16:9 picture in a client area of `clientWidth` x `clientHeight`. An empty
// area gives an empty viewport.
Viewport LetterboxViewport(int clientWidth, int clientHeight);

}  // namespace Engine::graphics
