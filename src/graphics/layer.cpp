#include "graphics/layer.h"

#include <GL/glew.h>

#include <algorithm>

#include "graphics/batch_renderer2d.h"
#include "graphics/renderable2d.h"
#include "graphics/shader.h"

namespace Engine::graphics {

Layer::Layer(std::unique_ptr<Renderer2D> renderer, Shader* shader_, const mat4& projection_)
    : shader(shader_), projection(projection_), renderer_(std::move(renderer)) {
    if (!renderer_ || !shader) return;
    renderer_->setShader(shader);
    glUseProgram(shader->program());
    glUniformMatrix4fv(glGetUniformLocation(shader->program(), "pr_matrix"), 1, GL_FALSE, projection.elements);
    GLint units[kMaxTextureSlots];
    for (size_t i = 0; i < kMaxTextureSlots; ++i) units[i] = static_cast<GLint>(i);
    glUniform1iv(glGetUniformLocation(shader->program(), "textures"), kMaxTextureSlots, units);
    glUseProgram(0);
}

Layer::~Layer() {
    for (Renderable2D* renderable : renderables) renderable->layerEntries -= 1;
    renderables.clear();
    owned_.clear();
}

void Layer::Add(Renderable2D* renderable) {
    if (!renderable) return;
    renderables.push_back(renderable);
    renderable->layerEntries += 1;
}

void Layer::Adopt(std::unique_ptr<Renderable2D> renderable) {
    if (!renderable) return;
    Add(renderable.get());
    owned_.push_back(std::move(renderable));
}

bool Layer::Owns(const Renderable2D* renderable) const {
    return std::any_of(owned_.begin(), owned_.end(), [&](const auto& o) { return o.get() == renderable; });
}

void Layer::EraseEntries(Renderable2D* renderable) {
    const auto before = renderables.size();
    renderables.erase(std::remove(renderables.begin(), renderables.end(), renderable), renderables.end());
    renderable->layerEntries -= static_cast<int>(before - renderables.size());
}

std::unique_ptr<Renderable2D> Layer::Release(Renderable2D* renderable) {
    auto it = std::find_if(owned_.begin(), owned_.end(), [&](const auto& o) { return o.get() == renderable; });
    if (it == owned_.end()) return nullptr;
    std::unique_ptr<Renderable2D> released = std::move(*it);
    owned_.erase(it);
    return released;
}

void Layer::Remove(Renderable2D* renderable) {
    if (!renderable || std::find(renderables.begin(), renderables.end(), renderable) == renderables.end()) return;
    EraseEntries(renderable);
    Release(renderable);  // freed here when the layer owned it
}

void Layer::Forget(Renderable2D* renderable) {
    if (!renderable) return;
    EraseEntries(renderable);
    if (auto released = Release(renderable)) released.release();  // already being destroyed
}

void Layer::RemoveUnless(const std::function<bool(const Renderable2D&)>& keep) {
    std::vector<Renderable2D*> dropped;
    for (Renderable2D* r : renderables)
        if (!keep(*r) && std::find(dropped.begin(), dropped.end(), r) == dropped.end()) dropped.push_back(r);
    for (Renderable2D* r : dropped) {
        EraseEntries(r);
        Release(r);
    }
}

void Layer::ForgetWhere(const std::function<bool(const Renderable2D*)>& leaves) {
    auto kept = std::remove_if(renderables.begin(), renderables.end(), [&](Renderable2D* r) {
        if (!leaves(r) || Owns(r)) return false;
        r->layerEntries -= 1;
        return true;
    });
    renderables.erase(kept, renderables.end());
}

void Layer::SortByOrder() {
    auto byOrder = [](const Renderable2D* a, const Renderable2D* b) { return a->order < b->order; };
    // Emitters sort after every particle they add: the list is then sorted but for
    // its last entries, which are inserted one by one after their equals, exactly
    // where a stable sort would put them.
    constexpr std::ptrdiff_t kShortTail = 8;
    const auto sortedEnd = std::is_sorted_until(renderables.begin(), renderables.end(), byOrder);
    if (sortedEnd == renderables.end()) return;
    if (renderables.end() - sortedEnd > kShortTail) {
        std::stable_sort(renderables.begin(), renderables.end(), byOrder);
        return;
    }
    for (auto it = sortedEnd; it != renderables.end(); ++it) {
        const auto place = std::upper_bound(renderables.begin(), it, *it, byOrder);
        std::rotate(place, it, it + 1);
    }
}

void Layer::Render() {
    if (!renderer_ || !shader) return;
    renderer_->setShader(shader);
    glUseProgram(shader->program());
    renderer_->begin();
    renderer_->drawLines(lines);
    const size_t count = renderables.size();
    for (size_t i = 0; i < count && i < renderables.size(); ++i) {
        Renderable2D* renderable = renderables[i];
        if (!renderable->hidden) renderable->Submit(renderer_.get());
    }
    renderer_->end();
    renderer_->flush();
}

void Layer::AddLine(float startX, float startY, float endX, float endY, uint32_t color, float thickness) {
    lines.push_back({thickness, color, endX, endY, startX, startY});
}

TileLayer::TileLayer(Shader* shader_, const mat4& projection_, bool withGl)
    : Layer(withGl ? std::make_unique<BatchRenderer2D>() : nullptr, shader_, projection_) {}

}  // namespace Engine::graphics
