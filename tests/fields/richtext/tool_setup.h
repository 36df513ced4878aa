// What the fuzzers and benchmarks of rich text share: Qt on the offscreen
// platform with the font caches installed once, and a check that aborts
// naming its line.
#pragma once

#include <cstdio>
#include <cstdlib>

class PROGRAM_FONTS;

// Makes the application (offscreen) once and installs the fonts and the
// program's font caches.
void SetupOffscreen(const char* program, PROGRAM_FONTS& fonts);

[[noreturn]] inline void FailCheck(int line)
{
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}

#define CHECK(ok)                                                                                                      \
    do {                                                                                                               \
        if (!(ok))                                                                                                     \
            FailCheck(__LINE__);                                                                                       \
    } while (false)
