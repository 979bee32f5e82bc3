#pragma once
// One RGBA image into a new GL texture, the way every game texture is sampled.

#include "graphics/gl_handles.h"

namespace Engine::graphics {

// Linear filtering without mipmaps, clamped to a transparent border. `pixels`
// are width x height RGBA bytes, top row first (SOIL's order). Needs a current context.
GlTexture UploadRgbaImage(const unsigned char* pixels, int width, int height);

}  // namespace Engine::graphics
