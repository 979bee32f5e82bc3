#include "net/enet_library.h"

#include <enet/enet.h>

#include <iostream>

namespace Engine::net {

EnetLibrary::EnetLibrary() {
    ready_ = enet_initialize() == 0;
    if (!ready_) std::cout << "Online play is unavailable: the network library did not start" << std::endl;
}

EnetLibrary::~EnetLibrary() {
    if (ready_) enet_deinitialize();
}

}  // namespace Engine::net
