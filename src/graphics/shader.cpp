#include "graphics/shader.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace Engine::graphics {

namespace {

// Every line preceded by a newline, so the text begins with one.
bool ReadSource(const char* path, std::string& source) {
    std::ifstream file(path);
    if (!file) return false;
    std::string line;
    while (std::getline(file, line)) source += "\n" + line;
    return true;
}

// Whether some line of the source starts with a version directive.
bool HasVersionLine(const std::string& source) {
    for (size_t at = source.find("#version"); at != std::string::npos; at = source.find("#version", at + 1)) {
        size_t lineStart = source.rfind('\n', at);
        lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
        if (source.find_first_not_of(" \t", lineStart) == at) return true;
    }
    return false;
}

void PrintLog(GLuint object, bool isProgram) {
    GLint length = 0;
    if (isProgram)
        glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    else
        glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) return;
    std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
    if (isProgram)
        glGetProgramInfoLog(object, length, nullptr, log.data());
    else
        glGetShaderInfoLog(object, length, nullptr, log.data());
    std::printf("%s\n", log.data());
    std::fflush(stdout);
}

void Compile(GLuint shader, const std::string& source) {
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint status = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    PrintLog(shader, false);
}

GLuint Link(const std::string& vertexSource, const std::string& fragmentSource) {
    GlShaderObject vertexShader(glCreateShader(GL_VERTEX_SHADER));
    GlShaderObject fragmentShader(glCreateShader(GL_FRAGMENT_SHADER));
    Compile(vertexShader.get(), vertexSource);
    Compile(fragmentShader.get(), fragmentSource);

    const GLuint program = glCreateProgram();
    glAttachShader(program, vertexShader.get());
    glAttachShader(program, fragmentShader.get());
    glLinkProgram(program);
    GLint status = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    PrintLog(program, true);
    glDetachShader(program, vertexShader.get());
    glDetachShader(program, fragmentShader.get());
    return program;
}

// A variant: the same files with `defines` after the header. 0 when the
// fragment file does not test `marker`, or pins its own version line (the
// definitions have to follow it).
GLuint LoadVariant(const char* vertexPath, const char* fragmentPath, SamplerIndexing indexing, const char* marker,
                   const char* defines) {
    std::string vertexSource, fragmentSource;
    if (!ReadSource(vertexPath, vertexSource) || !ReadSource(fragmentPath, fragmentSource)) return 0;
    if (fragmentSource.find(marker) == std::string::npos) return 0;
    if (HasVersionLine(vertexSource) || HasVersionLine(fragmentSource)) return 0;
    const std::string header = ShaderHeader(indexing);
    const GLuint program = Link(header + vertexSource, header + defines + fragmentSource);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked == GL_TRUE) return program;
    glDeleteProgram(program);
    return 0;
}

}  // namespace

GLuint LoadShaderProgram(const char* vertexPath, const char* fragmentPath, SamplerIndexing indexing) {
    std::string vertexSource;
    if (!ReadSource(vertexPath, vertexSource)) {
        std::printf("Impossible to open %s. Are you in the right directory ? Don't forget to read the FAQ !\n",
                    vertexPath);
        std::fflush(stdout);
        return 0;
    }
    std::string fragmentSource;
    ReadSource(fragmentPath, fragmentSource);

    const std::string header = ShaderHeader(indexing);
    if (!HasVersionLine(vertexSource)) vertexSource = header + vertexSource;
    if (!HasVersionLine(fragmentSource)) fragmentSource = header + fragmentSource;
    return Link(vertexSource, fragmentSource);
}

Shader::Shader(const char* vertexPath_, const char* fragmentPath_)
    : Shader(vertexPath_, fragmentPath_, DetectSamplerIndexing()) {}

Shader::Shader(const char* vertexPath_, const char* fragmentPath_, SamplerIndexing indexing)
    : vertexPath(vertexPath_), fragmentPath(fragmentPath_),
      program_(LoadShaderProgram(vertexPath_, fragmentPath_, indexing)) {
    if (!program_) return;
    GLint linked = GL_FALSE;
    glGetProgramiv(program_.get(), GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) return;
    singleTexture_.reset(LoadVariant(vertexPath_, fragmentPath_, indexing, "#ifdef SINGLE_TEXTURE",
                                     "#define SINGLE_TEXTURE 1\n"));
    if (!singleTexture_) return;
    mirror_ = UniformMirror(program_.get(), singleTexture_.get());
    radiusLocation_ = glGetUniformLocation(program_.get(), "radius");
    everyQuadTextured_.reset(LoadVariant(vertexPath_, fragmentPath_, indexing, "#ifdef EVERY_QUAD_TEXTURED",
                                         "#define SINGLE_TEXTURE 1\n#define EVERY_QUAD_TEXTURED 1\n"));
    everyQuadTexturedMirror_ = UniformMirror(program_.get(), everyQuadTextured_.get());
}

bool Shader::UseSingleTextureVariant(bool everyQuadTextured) const {
    if (!singleTexture_) return false;
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    if (static_cast<GLuint>(current) != program_.get()) return false;
    if (radiusLocation_ >= 0) {
        GLfloat radius = 0.0f;
        glGetUniformfv(program_.get(), radiusLocation_, &radius);
        if (radius > 0.0f) return false;
    }
    if (everyQuadTextured && everyQuadTextured_) {
        glUseProgram(everyQuadTextured_.get());
        everyQuadTexturedMirror_.Copy();
        return true;
    }
    glUseProgram(singleTexture_.get());
    mirror_.Copy();
    return true;
}

void Shader::UseFixedView(const float* projection) const {
    static const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    glUseProgram(program());
    glUniformMatrix4fv(glGetUniformLocation(program(), "pr_matrix"), 1, GL_FALSE, projection);
    glUniformMatrix4fv(glGetUniformLocation(program(), "vw_matrix"), 1, GL_FALSE, kIdentity);
}

}  // namespace Engine::graphics
