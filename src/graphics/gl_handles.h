#pragma once
// Owning wrappers for OpenGL object names: each deletes its name when it goes,
// so a renderer, a texture or a shader cannot leak GPU objects on an early return.
// They must be destroyed while the context that made them is still current.

#include <GL/glew.h>

#include <utility>

namespace Engine::graphics {

template <void (*Delete)(GLuint)>
class GlName {
public:
    GlName() = default;
    explicit GlName(GLuint name) : name_(name) {}
    ~GlName() { reset(); }
    GlName(const GlName&) = delete;
    GlName& operator=(const GlName&) = delete;
    GlName(GlName&& other) noexcept : name_(std::exchange(other.name_, 0)) {}
    GlName& operator=(GlName&& other) noexcept {
        if (this != &other) {
            reset();
            name_ = std::exchange(other.name_, 0);
        }
        return *this;
    }

    GLuint get() const { return name_; }
    explicit operator bool() const { return name_ != 0; }
    GLuint release() { return std::exchange(name_, 0); }
    void reset(GLuint name = 0) {
        if (name_) Delete(name_);
        name_ = name;
    }

private:
    GLuint name_ = 0;
};

namespace gl_delete {
inline void Buffer(GLuint n) { glDeleteBuffers(1, &n); }
inline void VertexArray(GLuint n) { glDeleteVertexArrays(1, &n); }
inline void Texture(GLuint n) { glDeleteTextures(1, &n); }
inline void Program(GLuint n) { glDeleteProgram(n); }
inline void ShaderObject(GLuint n) { glDeleteShader(n); }
}  // namespace gl_delete

using GlBuffer = GlName<gl_delete::Buffer>;
using GlVertexArray = GlName<gl_delete::VertexArray>;
using GlTexture = GlName<gl_delete::Texture>;
using GlProgram = GlName<gl_delete::Program>;
using GlShaderObject = GlName<gl_delete::ShaderObject>;

inline GLuint GenBuffer() {
    GLuint n = 0;
    glGenBuffers(1, &n);
    return n;
}
inline GLuint GenVertexArray() {
    GLuint n = 0;
    glGenVertexArrays(1, &n);
    return n;
}
inline GLuint GenTexture() {
    GLuint n = 0;
    glGenTextures(1, &n);
    return n;
}

}  // namespace Engine::graphics
