#include "physics/mover_broadphase.h"

#include <algorithm>
#include <cmath>

#include "objects/game_obj.h"
#include "physics/collider.h"
#include "physics/physics.h"
#include "physics/rigid_body.h"

namespace Engine {

namespace {

bool Finite(const vec4& b) {
    return std::isfinite(b.x) && std::isfinite(b.y) && std::isfinite(b.z) && std::isfinite(b.w);
}

// Room for the rounding of the box edges and of the pair test's own arithmetic,
// which works in floats at the coordinate's magnitude.
float RoundingRoom(float coordinate) { return 1e-4f + std::fabs(coordinate) * 1e-5f; }

float FastestX(const std::vector<Collider*>& movers) {
    float fastest = 0.0f;
    for (const Collider* collider : movers) {
        if (collider->body) fastest = std::max(fastest, std::fabs(collider->body->velocity.x));
        if (collider->owner)
            if (const RigidBody* body = collider->owner->GetRigidBody())
                fastest = std::max(fastest, std::fabs(body->velocity.x));
    }
    return fastest;
}

// Whether a test that misses this target writes the target's colliding flag.
bool MissWritesTarget(const Collider& collider) {
    return !collider.body || collider.body->MotionType == kStaticMotion;
}

}  // namespace

bool MoverBroadphase::Build(const std::vector<Collider*>& movers, float dt) {
    const size_t count = movers.size();
    // The pair test's x sweep reaches |relative displacement| x window; the relative
    // displacement is at most the two fastest speeds times dt (speeds only fall
    // during the pass: pushes clamp or zero them).
    const float reach = 2.0f * FastestX(movers) * std::fabs(dt) * Physics::kSweepWindow * 1.01f;
    if (!std::isfinite(reach)) return false;

    extents_.resize(count);
    alwaysTested_.clear();
    double sum[2] = {0.0, 0.0};
    double squares[2] = {0.0, 0.0};
    for (size_t i = 0; i < count; ++i) {
        const Collider& collider = *movers[i];
        const vec4& b = collider.box;
        if (!Finite(b)) return false;
        Extent& e = extents_[i];
        e.lo[0] = b.x - (reach / 2 + RoundingRoom(b.x));
        e.hi[0] = b.z + (reach / 2 + RoundingRoom(b.z));
        e.lo[1] = b.y;
        e.hi[1] = b.w;
        if (MissWritesTarget(collider)) alwaysTested_.push_back(static_cast<uint32_t>(i));
        for (size_t axis = 0; axis < 2; ++axis) {
            const double centre = (static_cast<double>(e.lo[axis]) + e.hi[axis]) / 2;
            sum[axis] += centre;
            squares[axis] += centre * centre;
        }
    }
    // Sweep along the axis the boxes are spread over most, so few intervals overlap.
    const double n = count ? static_cast<double>(count) : 1.0;
    const double spreadX = squares[0] / n - (sum[0] / n) * (sum[0] / n);
    const double spreadY = squares[1] / n - (sum[1] / n) * (sum[1] / n);
    FindOverlaps(spreadY > spreadX ? 1 : 0);
    FillRows(count);
    return true;
}

void MoverBroadphase::FindOverlaps(size_t axis) {
    const size_t other = 1 - axis;
    order_.resize(extents_.size());
    for (size_t i = 0; i < order_.size(); ++i) order_[i] = static_cast<uint32_t>(i);
    std::sort(order_.begin(), order_.end(),
              [&](uint32_t a, uint32_t b) { return extents_[a].lo[axis] < extents_[b].lo[axis]; });
    overlaps_.clear();
    for (size_t k = 0; k < order_.size(); ++k) {
        const Extent& a = extents_[order_[k]];
        for (size_t m = k + 1; m < order_.size(); ++m) {
            const Extent& b = extents_[order_[m]];
            if (b.lo[axis] > a.hi[axis]) break;
            if (a.lo[other] <= b.hi[other] && b.lo[other] <= a.hi[other])
                overlaps_.emplace_back(order_[k], order_[m]);
        }
    }
}

void MoverBroadphase::FillRows(size_t count) {
    // Row sizes first, then the rows in one array; each row sorted into list order.
    rowStart_.assign(count + 1, 0);
    for (const auto& pair : overlaps_) {
        ++rowStart_[pair.first + 1];
        ++rowStart_[pair.second + 1];
    }
    const uint32_t extra = static_cast<uint32_t>(alwaysTested_.size()) + 1;
    for (size_t i = 0; i < count; ++i) rowStart_[i + 1] += rowStart_[i] + extra;
    targets_.resize(rowStart_[count]);
    rowEnd_.assign(rowStart_.begin(), rowStart_.end() - 1);
    for (const auto& pair : overlaps_) {
        targets_[rowEnd_[pair.first]++] = pair.second;
        targets_[rowEnd_[pair.second]++] = pair.first;
    }
    const uint32_t last = count ? static_cast<uint32_t>(count - 1) : 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t self = static_cast<uint32_t>(i);
        for (uint32_t index : alwaysTested_)
            if (index != self) targets_[rowEnd_[i]++] = index;
        const uint32_t lastOther = self == last ? last - 1 : last;
        if (count > 1) targets_[rowEnd_[i]++] = lastOther;
        auto begin = targets_.begin() + rowStart_[i];
        auto end = targets_.begin() + rowEnd_[i];
        std::sort(begin, end);
        end = std::unique(begin, end);
        // A row keeps its place; duplicates dropped leave an unused tail.
        rowEnd_[i] = static_cast<uint32_t>(end - targets_.begin());
    }
}

}  // namespace Engine
