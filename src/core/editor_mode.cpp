#include "core/editor_mode.h"

#include "core/core.h"

namespace Engine {

bool EditorMode() { return Core::instance && Core::instance->settings.editorMode; }

}  // namespace Engine
