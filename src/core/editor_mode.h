#pragma once

namespace Engine {

// Editor mode, read from the window properties file and kept in the Core's
// settings: physics and script start-up stop and the picking tools take the mouse.
// False while there is no Core.
bool EditorMode();

}  // namespace Engine
