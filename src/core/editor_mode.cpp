#include "core/editor_mode.h"

namespace Engine {

bool editorMode = false;

}  // namespace Engine
