#include "graphics/debug_overlay.h"

#include <GL/glew.h>
#include <imgui.h>
#include <imgui_impl_opengl3.h>
#include <imgui_impl_sdl.h>

namespace Engine::graphics {

void DebugOverlay::Stop() {
    if (!created_) return;
    if (frameOpen_) ImGui::EndFrame();
    if (glBackend_) ImGui_ImplOpenGL3_Shutdown();
    if (sdlBackend_) ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
    created_ = running_ = frameOpen_ = sdlBackend_ = glBackend_ = false;
}

bool DebugOverlay::Start(SDL_Window* window, void* glContext) {
    if (running_) return true;
    if (!IMGUI_CHECKVERSION()) return false;
    ImGui::CreateContext();
    created_ = true;
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::StyleColorsDark();
    sdlBackend_ = ImGui_ImplSDL2_InitForOpenGL(window, glContext);
    glBackend_ = sdlBackend_ && ImGui_ImplOpenGL3_Init("#version 330");
    running_ = sdlBackend_ && glBackend_;
    return running_;
}

void DebugOverlay::BeginFrame() {
    if (!running_ || frameOpen_) return;
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    frameOpen_ = true;
}

void DebugOverlay::FinishFrame(bool draw) {
    if (!frameOpen_) return;
    frameOpen_ = false;
    if (!draw) {
        ImGui::EndFrame();
        return;
    }
    ImGui::Render();
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
}

}  // namespace Engine::graphics
