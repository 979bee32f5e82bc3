#pragma once
// Text over the picture, fixed to the screen and outside the game's world: no
// game object holds it, so neither the world hash, a recording nor the other
// machine of an online match ever sees it. The online game writes this
// machine's own news here: the round trip in a small readout at the foot of
// the picture, and the stall mark across its middle while the game waits.

#include <array>
#include <memory>
#include <string>

#include "core/maths.h"

namespace Engine::graphics {

class Label;
class Layer;
class Shader;

class ScreenNotes {
public:
    enum Place { kReadout, kBanner, kPlaceCount };

    ScreenNotes();
    ~ScreenNotes();
    ScreenNotes(const ScreenNotes&) = delete;
    ScreenNotes& operator=(const ScreenNotes&) = delete;

    // Printable ASCII; empty shows nothing there.
    void Set(Place place, const std::string& text) { texts_[place] = text; }
    const std::string& Text(Place place) const { return texts_[place]; }
    bool Empty() const;

    // Draws the notes over what is drawn, each centred on a dark band, with
    // `shader` and `screen` (the 32 x 18 units of the picture, no camera).
    // Needs a current GL context; makes its layer and labels the first time.
    void Render(Shader* shader, const mat4& screen);
    // Frees the layer and labels (GL buffers, fonts' users) while the context
    // and fonts still exist; the next Render makes them again.
    void Drop();

private:
    std::array<std::string, kPlaceCount> texts_;
    std::unique_ptr<Layer> layer_;
    std::array<std::unique_ptr<Label>, kPlaceCount> labels_;
};

}  // namespace Engine::graphics
