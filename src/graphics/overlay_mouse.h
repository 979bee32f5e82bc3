#pragma once
// Whether the debug overlay is using the mouse: the pointer is over one of its
// windows or it is dragging one. The editor's tools and wheel zoom keep out then.

namespace Engine::graphics {

// False while the overlay has no context (headless, before the graphics system starts).
bool OverlayWantsMouse();

}  // namespace Engine::graphics
