#include "wiring/engine.h"

int main(int argc, char** argv) { return Engine::RunGame(argc, argv); }
