#include "graphics/animator.h"

#include "graphics/renderable2d.h"

namespace Engine::graphics {

Animator::Animator(Renderable2D* sprite_) : Components(kAnimatorKind), sprite(sprite_) {
    if (sprite && sprite->texture) frame = sprite->startFrame;
}

Components* Animator::CopyInto(Components* target) {
    if (auto* other = dynamic_cast<Animator*>(target)) {
        other->frameTime = frameTime;
        other->facing = facing;
        other->once = once;
        other->playing = playing;
    }
    return target;
}

}  // namespace Engine::graphics
