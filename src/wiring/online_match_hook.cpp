#include "wiring/online_match_hook.h"

namespace Engine {

namespace {
OnlineMatchCalls& Registered() {
    static OnlineMatchCalls calls;
    return calls;
}
}  // namespace

bool RegisterOnlineMatch(const OnlineMatchCalls& calls) {
    Registered() = calls;
    return true;
}

const OnlineMatchCalls& RegisteredOnlineMatch() { return Registered(); }

}  // namespace Engine
