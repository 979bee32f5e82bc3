/* Records when every frame is presented: an LD_PRELOAD library that wraps
 * SDL_GL_SwapWindow, notes CLOCK_MONOTONIC at each call and writes the
 * timestamps (nanoseconds, one a line) to $TOLVEX_FRAME_LOG at exit. Works on
 * any build of the game, so the frame loop can be compared before and after a
 * change. Used by bench/idle_menu.sh. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#define MAX_FRAMES 100000

static uint64_t stamps[MAX_FRAMES];
static size_t count;

void SDL_GL_SwapWindow(void* window) {
    static void (*real)(void*);
    if (!real) *(void**)(&real) = dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (count < MAX_FRAMES) stamps[count++] = (uint64_t)now.tv_sec * 1000000000ull + (uint64_t)now.tv_nsec;
    if (real) real(window);
}

__attribute__((destructor)) static void WriteFrameLog(void) {
    const char* path = getenv("TOLVEX_FRAME_LOG");
    if (!path) return;
    FILE* out = fopen(path, "w");
    if (!out) return;
    for (size_t i = 0; i < count; ++i) fprintf(out, "%llu\n", (unsigned long long)stamps[i]);
    fclose(out);
}
