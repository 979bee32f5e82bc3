#pragma once
// A linked GL program built from a vertex and a fragment shader file.

#include <GL/glew.h>

#include <string>

#include "graphics/gl_handles.h"
#include "graphics/shader_header.h"

namespace Engine::graphics {

// Reads, compiles and links the two files, printing the compiler and linker logs.
// A vertex file that cannot be opened gives program 0 (with a message); a missing
// fragment file gives an empty fragment source. Sources without a "#version" line
// get the header for `indexing` in front.
GLuint LoadShaderProgram(const char* vertexPath, const char* fragmentPath, SamplerIndexing indexing);

class Shader {
public:
    // Builds at once, with the sampler indexing the current context supports.
    Shader(const char* vertexPath, const char* fragmentPath);
    Shader(const char* vertexPath, const char* fragmentPath, SamplerIndexing indexing);
    virtual ~Shader() = default;
    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;

    GLuint program() const { return program_.get(); }

    const char* vertexPath;
    const char* fragmentPath;

private:
    GlProgram program_;
};

}  // namespace Engine::graphics
