// What this process holds right now: descriptors, threads, memory, CPU time used.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace veltrix::test {

size_t OpenDescriptorCount();
size_t ThreadCount();
// CPU time of every thread of the process so far.
std::chrono::nanoseconds ProcessCpuTime();

struct MemoryUse {
    uint64_t heapBytes;    // handed out by malloc and not freed (0 where a sanitizer owns malloc)
    uint64_t mappedBytes;  // address space, thread stacks included
};
MemoryUse CurrentMemoryUse();

}  // namespace veltrix::test
