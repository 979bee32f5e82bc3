#pragma once

#include <memory>

#include "objects/components.h"

namespace Engine {

// A new, empty sound emitter component (kind 8).
std::unique_ptr<Components> MakeSoundEmitter();

}  // namespace Engine
