#pragma once
// What a fuzz target does when one of its properties fails: names it and stops, so that libFuzzer
// keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

namespace sorba::fuzzing {

inline void require(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}

} // namespace sorba::fuzzing
