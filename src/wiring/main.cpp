#include "wiring/engine.h"

int main(int argc, char** argv) {
    (void)argc;
    return Engine::RunGame(argv[0] ? argv[0] : "");
}
