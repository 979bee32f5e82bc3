#include "input/scripted_key_state_source.h"

#include "input/scancode_table.h"

namespace Engine {

bool ScriptedKeyStateSource::IsDown(VirtualKey key) const {
    if (down_.count(key)) return true;
    for (VirtualKey held : down_)
        if (IsSideOfModifier(key, held)) return true;
    return false;
}

}  // namespace Engine
