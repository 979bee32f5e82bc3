#pragma once
// The vectors, matrices and small helpers scripts compute positions with.

#include "core/maths.h"
