#pragma once
// Copies the uniform values of one program into another built from the same
// sources: the engine sets uniforms on a shader's main program only, and its
// single-texture variant must draw with the same values.

#include <GL/glew.h>

#include <vector>

namespace Engine::graphics {

class UniformMirror {
public:
    UniformMirror() = default;
    // Pairs every active uniform of `to` (each array element on its own) with
    // the same name in `from`; names `from` lacks are left out.
    UniformMirror(GLuint from, GLuint to);

    // Reads each paired value from `from` and writes it to `to`, which must be
    // the current program.
    void Copy() const;

private:
    struct Pair {
        GLint from;
        GLint to;
        GLenum type;
    };
    GLuint from_ = 0;
    std::vector<Pair> pairs_;
};

}  // namespace Engine::graphics
