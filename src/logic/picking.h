#pragma once
// The level editor's mouse tools (editor mode only): pick an object or box-select
// several, then move, rotate or scale them while the left button is held.
// Left Ctrl + Q, W, E choose the move, rotate and scale tool; Left Ctrl + drag
// draws a selection box; the right button drops the selection. Every drag first
// records a snapshot of what it is about to change in the game logic's history.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/maths.h"
#include "core/system.h"
#include "objects/level_listener.h"
#include "objects/transform.h"

namespace Engine {

class GameObj;
namespace graphics {
class Renderable2D;
}

class Picking : public System, public LevelListener {
public:
    enum Tool : int32_t { kMove = 0, kRotate = 1, kScale = 2 };
    static constexpr size_t kHighlightCount = 1000;
    static constexpr uint32_t kHighlightColor = 0x33FF0000;

    Picking();
    ~Picking() override;
    // Puts the selection box and the highlights, all hidden, into the world layer.
    bool Initialize() override;
    void Update(float dt) override;
    // Hides the box and the highlights and forgets every chosen object (every level unload).
    void ClearSelection();
    void OnLevelUnloaded() override { ClearSelection(); }

    // The topmost live object or active button whose rectangle strictly contains
    // (x, y); null when there is none.
    GameObj* PickAt(float x, float y) const;

    static Picking* instance;

    GameObj* picked = nullptr;
    // The object the editor shows as selected: what the last pick found under the
    // mouse (none when it found nothing), or the first of a box selection.
    GameObj* selectedObject = nullptr;
    std::vector<GameObj*> EditorSelection;
    int32_t tool = kMove;
    // A tool drag or a box selection is in progress.
    bool dragging = false;
    vec2 grabPoint;
    vec2 lastPoint;
    vec2 offset;
    vec2 startScale;
    std::vector<vec2> startScales;
    std::vector<float> startAngles;
    float angleOffset = 0.0f;
    vec2 pivot;
    Transform boxTransform{0, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f};
    std::unique_ptr<graphics::Renderable2D> boxSprite;
    std::vector<std::unique_ptr<graphics::Renderable2D>> highlights;

private:
    struct MouseState;
    void HandleBoxSelection(const MouseState& mouse);
    void FinishBoxSelection();
    void RunTool(const MouseState& mouse);
    void StartDrag(const vec2& mouse);
    void DragSingle(const vec2& mouse);
    void DragSelection(const vec2& mouse);
    void Snapshot(const std::vector<GameObj*>& objects) const;
    void Forget();
    void UpdateHighlights();
    void HideHighlights();

    bool boxSelecting_ = false;
    vec2 boxCorner_;
    // How many highlights are bound to objects (the rest are hidden and free).
    size_t highlightsInUse_ = 0;
};

// An angle in degrees brought into [0, 360).
float WrapDegrees(float degrees);

}  // namespace Engine
