#pragma once
// ENet's library set-up as an object: the constructor initialises the library,
// the destructor deinitialises it. Whoever runs online play owns one and passes it
// to every NetHost it makes, so no host can outlive the library.

namespace Engine::net {

class EnetLibrary {
public:
    EnetLibrary();
    ~EnetLibrary();
    EnetLibrary(const EnetLibrary&) = delete;
    EnetLibrary& operator=(const EnetLibrary&) = delete;

    // False when ENet refused to start; no host can then be made.
    bool Ready() const { return ready_; }

private:
    bool ready_ = false;
};

}  // namespace Engine::net
