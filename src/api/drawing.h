#pragma once
// The drawing components a script reads and changes through the handles the
// script API gives (api::AnimatorOf, api::SpriteOf, api::LabelOf...): a
// sprite's texture, colour and sheet cell, a label's text and font, particle
// emitters, and the camera a level frames.

#include "graphics/animator.h"
#include "graphics/camera.h"
#include "graphics/font.h"
#include "graphics/label.h"
#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
