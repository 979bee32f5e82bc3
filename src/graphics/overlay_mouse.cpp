#include "graphics/overlay_mouse.h"

#include <imgui.h>

namespace Engine::graphics {

bool OverlayWantsMouse() { return ImGui::GetCurrentContext() && ImGui::GetIO().WantCaptureMouse; }

}  // namespace Engine::graphics
