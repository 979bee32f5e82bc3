#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "core/maths.h"

namespace Engine {

class Collider;

// Which moving colliders a mover has to be tested against in one collide pass,
// found by sweep and prune instead of trying every pair.
//
// The collide pass tests a mover against the moving list in list order, and a test
// that finds no contact does nothing but set the mover's colliding flag (and the
// target's, when the target has no body or a static one). So a mover's tests can
// be narrowed to the movers that can touch it, kept in list order, plus
//  - every target whose own flag a miss would write (no body, or a static body);
//  - the last other entry of the list, whose test decides the mover's flag when no
//    static follows it.
// A pair can touch when the boxes overlap along y (closed intervals, as the pair
// test compares them) and come within the x sweep's reach: the relative motion of
// one step times the sweep window, bounded by the fastest body.
class MoverBroadphase {
public:
    // Files the list for this step. Returns false, leaving nothing filed, when a
    // box, the step or a speed is not finite: the caller then tests every pair.
    bool Build(const std::vector<Collider*>& movers, float dt);

    // The indices into the list that entry i tests, ascending, without i.
    const uint32_t* TargetsBegin(size_t i) const { return targets_.data() + rowStart_[i]; }
    const uint32_t* TargetsEnd(size_t i) const { return targets_.data() + rowEnd_[i]; }

private:
    struct Extent {
        float lo[2];  // x (widened by the sweep's reach), y
        float hi[2];
    };

    void FindOverlaps(size_t axis);
    void FillRows(size_t count);

    std::vector<Extent> extents_;
    std::vector<uint32_t> order_;
    std::vector<std::pair<uint32_t, uint32_t>> overlaps_;
    std::vector<uint32_t> alwaysTested_;
    std::vector<uint32_t> rowStart_;
    std::vector<uint32_t> rowEnd_;
    std::vector<uint32_t> targets_;
};

}  // namespace Engine
