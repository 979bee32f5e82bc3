#include "graphics/shader_header.h"

#include <GL/glew.h>

#include <cstring>

namespace Engine::graphics {

namespace {

bool HasExtension(const char* wanted) {
    GLint count = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i) {
        const auto* name = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
        if (name && std::strcmp(name, wanted) == 0) return true;
    }
    return false;
}

}  // namespace

SamplerIndexing DetectSamplerIndexing() {
    GLint major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    if (major >= 4) return SamplerIndexing::Version400;
    if (HasExtension("GL_ARB_gpu_shader5")) return SamplerIndexing::GpuShader5;
    return SamplerIndexing::ConstantSwitch;
}

std::string ShaderHeader(SamplerIndexing mode) {
    switch (mode) {
        case SamplerIndexing::Version400:
            return "#version 400 core\n#define DYNAMIC_SAMPLER_INDEX 1\n";
        case SamplerIndexing::GpuShader5:
            return "#version 330 core\n#extension GL_ARB_gpu_shader5 : require\n#define DYNAMIC_SAMPLER_INDEX 1\n";
        case SamplerIndexing::ConstantSwitch:
            break;
    }
    return "#version 330 core\n";
}

}  // namespace Engine::graphics
