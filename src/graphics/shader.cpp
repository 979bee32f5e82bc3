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

}  // namespace

GLuint LoadShaderProgram(const char* vertexPath, const char* fragmentPath, SamplerIndexing indexing) {
    GlShaderObject vertexShader(glCreateShader(GL_VERTEX_SHADER));
    GlShaderObject fragmentShader(glCreateShader(GL_FRAGMENT_SHADER));

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

Shader::Shader(const char* vertexPath_, const char* fragmentPath_)
    : Shader(vertexPath_, fragmentPath_, DetectSamplerIndexing()) {}

Shader::Shader(const char* vertexPath_, const char* fragmentPath_, SamplerIndexing indexing)
    : vertexPath(vertexPath_), fragmentPath(fragmentPath_),
      program_(LoadShaderProgram(vertexPath_, fragmentPath_, indexing)) {}

}  // namespace Engine::graphics
