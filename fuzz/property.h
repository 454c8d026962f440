#pragma once
// What every harness does when a property of the code under test fails: it
// names the property and aborts, which libFuzzer reports as a crash and
// keeps the input that caused it.

#include <cstdio>
#include <cstdlib>

#define PROPERTY(holds)                                                                        \
    do {                                                                                       \
        if (!(holds)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #holds, __FILE__, __LINE__); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
