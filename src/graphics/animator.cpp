#include "graphics/animator.h"

#include "graphics/renderable2d.h"
#include "graphics/texture.h"

namespace Engine::graphics {

Animator::Animator(Renderable2D* sprite_) : Components(kAnimatorKind), sprite(sprite_) {
    if (sprite && sprite->texture) frame = sprite->startFrame;
}

Components* Animator::CopyInto(Components* target) {
    if (auto* other = dynamic_cast<Animator*>(target)) {
        other->facing = facing;
        other->frameTime = frameTime;
        other->once = once;
        other->playing = playing;
        other->elapsed = elapsed;
    }
    return target;
}

void Animator::Update(float dt) {
    if (!playing) return;
    elapsed += dt;
    if (frameTime > elapsed) return;
    elapsed = 0.0f;
    if (!sprite || !sprite->texture) return;
    const uint32_t first = sprite->startFrame - 1;
    const uint32_t last = sprite->endFrame;
    if (frame < first) frame = first;
    frame += 1;
    if (once && frame == last) {
        once = false;
        playing = false;
    }
    if (frame >= last) frame = first;

    const Texture& texture = *sprite->texture;
    const float w = texture.cellWidth(), h = texture.cellHeight();
    const vec2 cell = SheetCellOrigin(texture, frame);
    const float left = facing ? cell.x : cell.x + w;
    const float right = facing ? cell.x + w : cell.x;
    sprite->uvs[0] = {left, cell.y};
    sprite->uvs[1] = {left, cell.y + h};
    sprite->uvs[2] = {right, cell.y + h};
    sprite->uvs[3] = {right, cell.y};
}

void Animator::Reset() {
    if (!sprite || !sprite->texture) return;
    frame = sprite->startFrame;
    const float w = sprite->texture->cellWidth(), h = sprite->texture->cellHeight();
    sprite->uvs[0] = {0, 0};
    sprite->uvs[1] = {0, h};
    sprite->uvs[2] = {w, h};
    sprite->uvs[3] = {w, 0};
}

void Animator::PlayOnce() {
    once = true;
    playing = true;
    if (sprite && sprite->texture) frame = sprite->startFrame - 1;
    elapsed = 0.0f;
}

void Animator::ScrollU(float amount) {
    if (!sprite || !sprite->texture) return;
    const float d = frameTime * amount;
    for (vec2& uv : sprite->uvs) uv.x += facing ? d : -d;
}

void Animator::ScrollUV(float amount, bool mode) {
    if (!sprite || !sprite->texture) return;
    const float d = frameTime * amount;
    const float e = amount / frameTime;
    for (vec2& uv : sprite->uvs) {
        if (mode) {
            uv.x += facing ? d : -d;
            uv.y += facing ? -d : d;
        } else {
            uv.x += facing ? d : -d;
            uv.y += facing ? e : -e;
        }
    }
}

}  // namespace Engine::graphics
