#include "graphics/texture.h"

namespace Engine::graphics {

std::map<std::string, std::unique_ptr<Texture>> textureRegistry;

Texture* FindTexture(const std::string& name) { return textureRegistry[name].get(); }

}  // namespace Engine::graphics
