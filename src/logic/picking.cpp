#include "logic/picking.h"

#include <algorithm>
#include <cmath>

#include "core/editor_mode.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/layer.h"
#include "graphics/mouse_world.h"
#include "graphics/overlay_mouse.h"
#include "graphics/renderable2d.h"
#include "input/input.h"
#include "logic/buttons.h"
#include "logic/editor_snapshot.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"

namespace Engine {

Picking* Picking::instance = nullptr;

namespace {

constexpr float kPi = 3.14159265358979f;
// The selection box draws over everything in the world layer.
constexpr int32_t kBoxOrder = 1 << 20;

float AngleOf(const vec2& v) { return WrapDegrees(std::atan2(v.y, v.x) * 180.0f / kPi); }

// Every object the editor can act on: the level's live objects, then the buttons in use.
template <class Visit>
void ForEachEditable(Visit visit) {
    if (GameObjectFactory* factory = GameObjectFactory::instance)
        for (GameObj* object : factory->liveObjects)
            if (object && object->active) visit(object);
    if (GameLogic* logic = GameLogic::instance)
        for (const auto& button : logic->buttonPool)
            if (button->active) visit(button.get());
}

}  // namespace

float WrapDegrees(float degrees) {
    if (!std::isfinite(degrees)) return 0.0f;
    float wrapped = std::fmod(degrees, 360.0f);
    if (wrapped < 0.0f) wrapped += 360.0f;
    // fmod of a tiny negative value plus 360 rounds up to 360 itself.
    return wrapped >= 360.0f ? 0.0f : wrapped;
}

struct Picking::MouseState {
    vec2 position;
    bool leftDown = false;
    bool leftPressed = false;
    bool leftReleased = false;
    bool ctrlDown = false;
    bool ctrlReleased = false;
    bool rightPressed = false;
};

Picking::Picking() { instance = this; }

Picking::~Picking() {
    // The graphics system outlives the editor; the renderables leave its layers as they go.
    if (instance == this) instance = nullptr;
}

bool Picking::Initialize() {
    graphics::Graphics* g = graphics::Graphics::instance;
    boxSprite = std::make_unique<graphics::Sprite>(0.0f, 0.0f);
    boxSprite->owner = &boxTransform;
    boxSprite->SetColor(vec4(1.0f, 0.0f, 0.0f, 0.2f));
    boxSprite->order = kBoxOrder;
    boxSprite->hidden = true;
    if (g) g->AddRenderable(boxSprite.get());
    highlights.clear();
    highlights.reserve(kHighlightCount);
    for (size_t i = 0; i < kHighlightCount; ++i) {
        auto highlight = std::make_unique<graphics::Sprite>(0.0f, 0.0f);
        highlight->SetColor(kHighlightColor);
        highlight->hidden = true;
        if (g) g->AddRenderable(highlight.get());
        highlights.push_back(std::move(highlight));
    }
    highlightsInUse_ = 0;
    return true;
}

GameObj* Picking::PickAt(float x, float y) const {
    GameObj* best = nullptr;
    ForEachEditable([&](GameObj* object) {
        const Transform& t = *object->transform;
        const float halfWidth = std::fabs(t.scale.x) / 2.0f, halfHeight = std::fabs(t.scale.y) / 2.0f;
        const bool inside = x > t.position.x - halfWidth && x < t.position.x + halfWidth &&
                            y > t.position.y - halfHeight && y < t.position.y + halfHeight;
        if (inside && (!best || t.layer > best->transform->layer)) best = object;
    });
    return best;
}

void Picking::Update(float) {
    if (!EditorMode()) {
        Forget();
        HideHighlights();
        return;
    }
    if (graphics::OverlayWantsMouse()) {
        dragging = false;
        if (boxSelecting_) {
            boxSelecting_ = false;
            if (boxSprite) boxSprite->hidden = true;
        }
        return;
    }
    Input* input = Input::instance;
    if (!input) return;

    MouseState mouse;
    mouse.ctrlDown = input->IsKeyDown(VK_LCONTROL);
    if (mouse.ctrlDown) {
        if (input->IsKeyTriggered('Q')) tool = kMove;
        if (input->IsKeyTriggered('W')) tool = kRotate;
        if (input->IsKeyTriggered('E')) tool = kScale;
    }
    mouse.ctrlReleased = input->IsKeyReleased(VK_LCONTROL);
    mouse.leftDown = input->IsMouseDown(VK_LBUTTON);
    mouse.leftPressed = input->IsMouseTriggered(VK_LBUTTON);
    mouse.leftReleased = input->IsMouseReleased(VK_LBUTTON);
    mouse.rightPressed = input->IsMouseTriggered(VK_RBUTTON);
    const graphics::WorldPoint world = graphics::MouseWorldPosition();
    mouse.position = {static_cast<float>(world.x), static_cast<float>(world.y)};

    if (!picked && EditorSelection.empty()) HandleBoxSelection(mouse);
    RunTool(mouse);
    if (mouse.rightPressed) {
        HideHighlights();
        EditorSelection.clear();
        picked = nullptr;
        selectedObject = nullptr;
        dragging = false;
    }
    UpdateHighlights();
}

void Picking::HandleBoxSelection(const MouseState& mouse) {
    if (boxSelecting_) {
        if (mouse.leftReleased || mouse.ctrlReleased || !mouse.leftDown || !mouse.ctrlDown) {
            FinishBoxSelection();
            return;
        }
    } else if (mouse.leftPressed && mouse.ctrlDown) {
        // Left Ctrl turns a click into the first corner of a selection box.
        boxSelecting_ = true;
        dragging = true;
        boxCorner_ = mouse.position;
    } else if (mouse.leftPressed) {
        picked = PickAt(mouse.position.x, mouse.position.y);
        selectedObject = picked;
        return;
    } else {
        return;
    }
    const vec2& a = boxCorner_;
    const vec2& b = mouse.position;
    boxTransform.position = {(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f};
    boxTransform.scale = {std::fabs(b.x - a.x), std::fabs(b.y - a.y)};
    if (boxSprite) boxSprite->hidden = false;
}

void Picking::FinishBoxSelection() {
    const vec2 centre = boxTransform.position;
    const vec2 half = boxTransform.scale / 2.0f;
    ForEachEditable([&](GameObj* object) {
        const Transform& t = *object->transform;
        const float halfWidth = t.scale.x / 2.0f, halfHeight = t.scale.y / 2.0f;
        const bool overlaps = t.position.x - halfWidth < centre.x + half.x &&
                              t.position.x + halfWidth > centre.x - half.x &&
                              t.position.y - halfHeight < centre.y + half.y &&
                              t.position.y + halfHeight > centre.y - half.y;
        if (overlaps) EditorSelection.push_back(object);
    });
    if (!EditorSelection.empty()) {
        picked = EditorSelection.front();
        selectedObject = picked;
    }
    if (boxSprite) boxSprite->hidden = true;
    boxSelecting_ = false;
    dragging = false;
}

void Picking::RunTool(const MouseState& mouse) {
    if (boxSelecting_) return;
    if (!mouse.leftDown) {
        dragging = false;
        return;
    }
    if (!picked && EditorSelection.empty()) return;
    if (EditorSelection.empty() && !dragging) {
        // A press elsewhere chooses what is under the mouse instead of dragging the old one.
        GameObj* underMouse = PickAt(mouse.position.x, mouse.position.y);
        if (underMouse != picked) {
            // What is under the mouse, possibly nothing, replaces the selection.
            picked = underMouse;
            selectedObject = underMouse;
            return;
        }
    }
    if (!dragging) StartDrag(mouse.position);
    if (EditorSelection.empty())
        DragSingle(mouse.position);
    else
        DragSelection(mouse.position);
    lastPoint = mouse.position;
}

void Picking::StartDrag(const vec2& mouse) {
    dragging = true;
    grabPoint = mouse;
    lastPoint = mouse;
    if (EditorSelection.empty()) {
        Snapshot({picked});
        Transform& t = *picked->transform;
        offset = t.position - mouse;
        angleOffset = WrapDegrees(AngleOf(mouse - t.position) - t.rotation);
        startScale = t.scale;
        return;
    }
    Snapshot(EditorSelection);
    pivot = {0.0f, 0.0f};
    for (GameObj* object : EditorSelection) pivot += object->transform->position;
    pivot = pivot / static_cast<float>(EditorSelection.size());
    startScales.clear();
    startAngles.clear();
    for (GameObj* object : EditorSelection) {
        startScales.push_back(object->transform->scale);
        startAngles.push_back(AngleOf(grabPoint - pivot) - object->transform->rotation);
    }
}

void Picking::DragSingle(const vec2& mouse) {
    Transform& t = *picked->transform;
    switch (tool) {
        case kMove: t.position = mouse + offset; break;
        case kRotate: t.rotation = WrapDegrees(AngleOf(mouse - t.position) - angleOffset); break;
        case kScale: t.scale = startScale + (mouse - grabPoint); break;
        default: break;
    }
}

void Picking::DragSelection(const vec2& mouse) {
    for (size_t i = 0; i < EditorSelection.size(); ++i) {
        Transform& t = *EditorSelection[i]->transform;
        switch (tool) {
            case kMove: t.position += mouse - lastPoint; break;
            case kRotate: t.rotation = WrapDegrees(AngleOf(mouse - pivot) - startAngles[i]); break;
            case kScale: t.scale = startScales[i] + (mouse - grabPoint); break;
            default: break;
        }
    }
}

void Picking::Snapshot(const std::vector<GameObj*>& objects) const {
    GameLogic* logic = GameLogic::instance;
    if (!logic || objects.empty()) return;
    EditorSnapshot snapshot;
    GameObjectFactory* factory = GameObjectFactory::instance;
    const bool wasHeldBack = factory ? factory->noRegister : true;
    if (factory) factory->noRegister = true;  // the copies stay out of every system's lists
    for (GameObj* original : objects) {
        auto copy = std::make_unique<GameObj>(0, 1.0f, 1.0f, 0.0f, "", "Default", 0.0f, 0.0f);
        const vec2 at = original->transform->position;
        CopyArchetype(original, copy.get(), at.x, at.y);
        // Copying a sprite hands its own rotation to the copy's transform; the
        // snapshot keeps the object's.
        *copy->transform = *original->transform;
        if (graphics::Renderable2D* sprite = copy->GetSprite()) sprite->hidden = true;
        if (graphics::Label* label = copy->GetLabel()) label->hidden = true;
        snapshot.entries.push_back({std::move(copy), original});
    }
    if (factory) factory->noRegister = wasHeldBack;
    logic->AddSnapshot(std::move(snapshot));
}

void Picking::Forget() {
    picked = nullptr;
    selectedObject = nullptr;
    EditorSelection.clear();
    dragging = false;
    boxSelecting_ = false;
}

void Picking::ClearSelection() {
    if (boxSprite) boxSprite->hidden = true;
    HideHighlights();
    Forget();
}

void Picking::HideHighlights() {
    for (size_t i = 0; i < highlightsInUse_ && i < highlights.size(); ++i) {
        highlights[i]->hidden = true;
        highlights[i]->owner = nullptr;
    }
    highlightsInUse_ = 0;
}

void Picking::UpdateHighlights() {
    std::vector<GameObj*> followed;
    if (!EditorSelection.empty())
        followed.assign(EditorSelection.begin(),
                        EditorSelection.begin() + std::min(EditorSelection.size(), highlights.size()));
    else if (selectedObject && !highlights.empty())
        followed.push_back(selectedObject);
    bool changed = followed.size() != highlightsInUse_;
    for (size_t i = 0; i < followed.size(); ++i) {
        graphics::Renderable2D& highlight = *highlights[i];
        Transform* transform = followed[i]->transform.get();
        const int32_t order = transform->layer + 1;
        if (highlight.owner == transform && highlight.order == order && !highlight.hidden) continue;
        highlight.owner = transform;
        highlight.order = order;
        highlight.hidden = false;
        highlight.Update(0.0f);
        changed = true;
    }
    for (size_t i = followed.size(); i < highlightsInUse_; ++i) {
        highlights[i]->hidden = true;
        highlights[i]->owner = nullptr;
    }
    highlightsInUse_ = followed.size();
    if (changed)
        if (graphics::Graphics* g = graphics::Graphics::instance) g->SortLayers();
}

}  // namespace Engine
