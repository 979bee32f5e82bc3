#pragma once

namespace Engine {

// Editor mode, read from the window properties file: physics and script start-up
// stop and the picking tools take the mouse.
extern bool editorMode;

}  // namespace Engine
