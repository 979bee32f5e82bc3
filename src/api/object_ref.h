#pragma once
// A handle to a pooled game object that a script keeps across frames: it
// answers null once its object was released or its slot reused
// (objects/object_ref.h says how).

#include "objects/object_ref.h"

namespace api {

using ObjectRef = Engine::ObjectRef;

}  // namespace api
