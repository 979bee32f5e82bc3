#pragma once
// A linked GL program built from a vertex and a fragment shader file.

#include <GL/glew.h>

#include <string>

#include "graphics/gl_handles.h"
#include "graphics/shader_header.h"
#include "graphics/uniform_mirror.h"

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

    // The program every uniform is set on.
    GLuint program() const { return program_.get(); }
    // The same files built with SINGLE_TEXTURE defined, for batches with at most
    // one texture (in slot 0); 0 when the fragment file has no such variant.
    GLuint singleTextureProgram() const { return singleTexture_.get(); }
    // The same files built with SINGLE_TEXTURE and EVERY_QUAD_TEXTURED defined,
    // for such batches whose every quad is textured; 0 when the fragment file
    // has no such variant.
    GLuint everyQuadTexturedProgram() const { return everyQuadTextured_.get(); }

    // When the main program is current and the variant draws the same picture
    // (the light, uniform "radius", is off), makes the variant current with the
    // main program's uniform values and returns true; the caller makes the main
    // program current again after drawing. Otherwise changes nothing. With
    // `everyQuadTextured` (no quad of the batch lacks the texture) it takes the
    // variant that only samples and tints, where the file has one.
    bool UseSingleTextureVariant(bool everyQuadTextured = false) const;
    // Makes the main program current with `projection` and no camera: for what is
    // drawn fixed to the screen (notes, the long-load picture).
    void UseFixedView(const float* projection) const;

    const char* vertexPath;
    const char* fragmentPath;

private:
    GlProgram program_;
    GlProgram singleTexture_;
    UniformMirror mirror_;
    GlProgram everyQuadTextured_;
    UniformMirror everyQuadTexturedMirror_;
    GLint radiusLocation_ = -1;
};

}  // namespace Engine::graphics
