#pragma once
// The physics components a script reads and changes through api::Body and
// api::ColliderOf: a body's motion type, velocity and force, a collider's size
// and its ghost flag.

#include "physics/collider.h"
#include "physics/rigid_body.h"
