// What every fuzz target defines, and how it reports a broken invariant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// libFuzzer calls this with every input it makes up; the replay tests with every committed one.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace veltrix::fuzz {

// Aborts when `holds` is false: libFuzzer then keeps the input as a crash, and a replay fails.
inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

}  // namespace veltrix::fuzz
