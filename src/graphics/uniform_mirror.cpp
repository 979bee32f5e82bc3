#include "graphics/uniform_mirror.h"

#include <string>

namespace Engine::graphics {

namespace {

bool IsIntegerType(GLenum type) {
    switch (type) {
        case GL_INT:
        case GL_BOOL:
        case GL_SAMPLER_2D:
            return true;
        default:
            return false;
    }
}

bool IsSupported(GLenum type) {
    switch (type) {
        case GL_FLOAT:
        case GL_FLOAT_VEC2:
        case GL_FLOAT_VEC3:
        case GL_FLOAT_VEC4:
        case GL_FLOAT_MAT4:
            return true;
        default:
            return IsIntegerType(type);
    }
}

}  // namespace

UniformMirror::UniformMirror(GLuint from, GLuint to) : from_(from) {
    if (!from || !to) return;
    GLint count = 0, longest = 0;
    glGetProgramiv(to, GL_ACTIVE_UNIFORMS, &count);
    glGetProgramiv(to, GL_ACTIVE_UNIFORM_MAX_LENGTH, &longest);
    std::string name(static_cast<size_t>(longest) + 1, '\0');
    for (GLint i = 0; i < count; ++i) {
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(to, static_cast<GLuint>(i), static_cast<GLsizei>(name.size()), &length, &size, &type,
                           name.data());
        if (!IsSupported(type)) continue;
        std::string base(name.data(), static_cast<size_t>(length));
        // Arrays are reported once, as "name[0]"; each element has its own location.
        const bool isArray = base.size() > 3 && base.compare(base.size() - 3, 3, "[0]") == 0;
        if (isArray) base.resize(base.size() - 3);
        for (GLint element = 0; element < size; ++element) {
            const std::string elementName = isArray ? base + "[" + std::to_string(element) + "]" : base;
            const GLint source = glGetUniformLocation(from, elementName.c_str());
            const GLint target = glGetUniformLocation(to, elementName.c_str());
            if (source >= 0 && target >= 0) pairs_.push_back({source, target, type});
        }
    }
}

void UniformMirror::Copy() const {
    for (const Pair& pair : pairs_) {
        if (IsIntegerType(pair.type)) {
            GLint value = 0;
            glGetUniformiv(from_, pair.from, &value);
            glUniform1i(pair.to, value);
            continue;
        }
        GLfloat value[16] = {};
        glGetUniformfv(from_, pair.from, value);
        switch (pair.type) {
            case GL_FLOAT: glUniform1fv(pair.to, 1, value); break;
            case GL_FLOAT_VEC2: glUniform2fv(pair.to, 1, value); break;
            case GL_FLOAT_VEC3: glUniform3fv(pair.to, 1, value); break;
            case GL_FLOAT_VEC4: glUniform4fv(pair.to, 1, value); break;
            case GL_FLOAT_MAT4: glUniformMatrix4fv(pair.to, 1, GL_FALSE, value); break;
            default: break;
        }
    }
}

}  // namespace Engine::graphics
