// The physics folder's component kinds: rigid bodies and colliders, how they are
// made and filed with the physics system, how their data-file elements read, and
// the object getters for them.

#include <tinyxml.h>

#include <cstring>

#include "objects/component_kinds.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/xml_attributes.h"
#include "physics/collider.h"
#include "physics/physics.h"
#include "physics/rigid_body.h"

namespace Engine {

RigidBody* GameObj::GetRigidBody() const { return GetComponent<RigidBody>(); }
Collider* GameObj::GetCollider() const { return GetComponent<Collider>(); }

namespace {

void AddRigidBody(GameObj& object) {
    if (object.GetRigidBody()) return;
    object.components.push_back(std::make_unique<RigidBody>(&object));
}

// A collider always has a body; a static body's collider goes into the level's
// tree, any other into the list of movers.
void AddCollider(GameObj& object) {
    object.hasCollider = true;
    RigidBody* body = object.GetRigidBody();
    if (!body) {
        object.AddComponent(kRigidBodyKind);
        body = object.GetRigidBody();
    }
    Transform& transform = *object.transform;
    auto collider =
        std::make_unique<Collider>(&transform.position, body, &object, transform.scale.x, transform.scale.y);
    Collider* raw = collider.get();
    object.components.push_back(std::move(collider));
    PhysicsWorld* world = CurrentPhysicsWorld();
    if (!RegisteringComponents() || !world) return;
    if (body->MotionType == kStaticMotion) {
        if (world->staticTree) world->staticTree->Insert(raw);
    } else {
        world->movingColliders.push_back(raw);
    }
}

const ComponentKindRegistration kRigidBodyKindEntry(kRigidBodyKind, {AddRigidBody, nullptr});
const ComponentKindRegistration kColliderKindEntry(kColliderKind, {AddCollider, nullptr});

bool Named(const TiXmlElement& e, const char* name) { return std::strcmp(e.Value(), name) == 0; }

template <class Apply>
void ForEachSetting(const TiXmlElement& element, Apply apply) {
    for (const TiXmlElement* setting = element.FirstChildElement(); setting;
         setting = setting->NextSiblingElement())
        apply(*setting);
}

void ApplyRigidBody(GameObj& object, const TiXmlElement& element, const std::string& file) {
    object.AddComponent(kRigidBodyKind);
    RigidBody* body = object.GetRigidBody();
    if (!body) return;
    ForEachSetting(element, [&](const TiXmlElement& s) {
        const AttributeReader r(s, file);
        if (Named(s, "Velocity")) {
            vec2 v = body->velocity;
            r.Float(0, v.x);
            r.Float(1, v.y);
            body->SetVelocity(v.x, v.y);
        } else if (Named(s, "Mass")) {
            r.Float(0, body->mass);
        } else if (Named(s, "isStatic")) {
            int v = 0;
            if (r.Int(0, v)) body->SetMotionType(v == 0 ? kStaticMotion : v == 1 ? kDynamicMotion : kKinematicMotion);
        } else if (Named(s, "GravityScale")) {
            r.Float(0, body->gravityScale);
        }
    });
}

void ApplyCollider(GameObj& object, const TiXmlElement& element, const std::string& file) {
    // Asks the components, not hasCollider: that flag survives a release, so a pooled
    // object reused by a later level would otherwise get no collider at all.
    if (!object.GetCollider()) object.AddComponent(kColliderKind);
    Collider* collider = object.GetCollider();
    if (!collider) return;
    ForEachSetting(element, [&](const TiXmlElement& s) {
        const AttributeReader r(s, file);
        if (Named(s, "IsGhost")) {
            int v = 0;
            if (r.Int(0, v)) collider->ghost = v != 0;
        } else if (Named(s, "Collider_Size")) {
            r.Float(0, collider->width);
            r.Float(1, collider->height);
        }
    });
}

const ComponentElementRegistration kRigidBodyElement("Rigid_Body", ApplyRigidBody);
const ComponentElementRegistration kColliderElement("Collider", ApplyCollider);

}  // namespace

}  // namespace Engine
