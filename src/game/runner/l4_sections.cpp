#include "game/runner/l4_sections.h"

REGISTER_SCRIPT("Tunnel", L4Section1);
REGISTER_SCRIPT("L4Road", L4Section2);
REGISTER_SCRIPT("L4Road2", L4Section3);

void L4Section1::Update(float dt) { api::MoveBy(owner, {-speed * dt, 0.0f}); }
