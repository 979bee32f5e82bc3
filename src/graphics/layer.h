#pragma once
// An ordered list of renderables drawn with one shader and one renderer, plus
// line segments drawn every time the layer renders.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/maths.h"
#include "graphics/vertex.h"

namespace Engine::graphics {

class Renderable2D;
class Renderer2D;
class Shader;

class Layer {
public:
    // Uploads the projection and the sampler units 0..31 to the shader. Without a
    // renderer (no GL context) the layer keeps its lists and draws nothing.
    Layer(std::unique_ptr<Renderer2D> renderer, Shader* shader, const mat4& projection);
    // Frees the renderables it owns; the others are only let go.
    virtual ~Layer();
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    // Appends a renderable owned elsewhere (by its game object).
    virtual void Add(Renderable2D* renderable);
    // Appends a renderable the layer owns from now on.
    void Adopt(std::unique_ptr<Renderable2D> renderable);
    // Takes the renderable out wherever it occurs; frees it when the layer owns it.
    // A renderable that is not in the layer is left alone.
    virtual void Remove(Renderable2D* renderable);
    virtual void Render();
    // Queues a segment from (startX, startY) to (endX, endY).
    virtual void AddLine(float startX, float startY, float endX, float endY, uint32_t color, float thickness);

    // Drops every renderable for which `keep` is false (freeing owned ones).
    void RemoveUnless(const std::function<bool(const Renderable2D&)>& keep);
    // Takes the renderable out without freeing it (it is being destroyed).
    void Forget(Renderable2D* renderable);
    // Takes every renderable that `leaves` picks out in one pass, without freeing
    // any: for renderables owned elsewhere (pooled particles). Owned ones stay.
    void ForgetWhere(const std::function<bool(const Renderable2D*)>& leaves);
    // Ascending by order; equal orders keep their relative places. A list that is
    // sorted except for a few entries at its end (just added) is fixed up without
    // a full sort.
    void SortByOrder();
    bool Owns(const Renderable2D* renderable) const;

    Renderer2D* renderer() const { return renderer_.get(); }
    Shader* shader = nullptr;
    std::vector<Renderable2D*> renderables;
    mat4 projection;
    std::vector<Line> lines;

private:
    void EraseEntries(Renderable2D* renderable);
    std::unique_ptr<Renderable2D> Release(Renderable2D* renderable);

    std::unique_ptr<Renderer2D> renderer_;
    std::vector<std::unique_ptr<Renderable2D>> owned_;
};

// A layer with its own batch renderer (when a GL context exists).
class TileLayer : public Layer {
public:
    TileLayer(Shader* shader, const mat4& projection, bool withGl);
};

}  // namespace Engine::graphics
