#pragma once
// The first lines put in front of every shader source. The shader files carry no
// #version of their own: the fragment shaders pick a texture from a sampler array
// by the vertex's slot number, which GLSL 3.30 only allows with constant indices.
// Where the driver offers GLSL 4.00 or GL_ARB_gpu_shader5, the header enables
// indexing by value; on a plain 3.3 driver the shaders fall back to a switch over
// the 32 constant indices (correct everywhere, several times slower on software GL).

#include <string>

namespace Engine::graphics {

enum class SamplerIndexing {
    Version400,        // "#version 400 core"
    GpuShader5,        // "#version 330 core" + GL_ARB_gpu_shader5
    ConstantSwitch,    // "#version 330 core", switch over constant indices
};

// What the current context supports; needs a current context with GLEW loaded.
SamplerIndexing DetectSamplerIndexing();

// The lines for the mode, ending in a newline; they define DYNAMIC_SAMPLER_INDEX
// when indexing by value is allowed.
std::string ShaderHeader(SamplerIndexing mode);

}  // namespace Engine::graphics
