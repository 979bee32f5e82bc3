#include "wiring/online_computer_hook.h"

namespace Engine {

namespace {
OnlineComputerMaker& Registered() {
    static OnlineComputerMaker maker = nullptr;
    return maker;
}
}  // namespace

bool RegisterOnlineComputer(OnlineComputerMaker maker) {
    Registered() = maker;
    return true;
}

OnlineComputerMaker RegisteredOnlineComputer() { return Registered(); }

}  // namespace Engine
