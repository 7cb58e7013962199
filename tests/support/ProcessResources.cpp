#include "ProcessResources.h"

#include <malloc.h>
#include <time.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace veltrix::test {

namespace {

size_t EntriesIn(const char* directory) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(directory),
                                             std::filesystem::directory_iterator{}));
}

// A "Name:   value kB" line of /proc/self/status, in bytes; 0 when missing.
uint64_t StatusKilobytes(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == name + ":") {
            uint64_t kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

}  // namespace

size_t OpenDescriptorCount() {
    return EntriesIn("/proc/self/fd");
}

size_t ThreadCount() {
    return EntriesIn("/proc/self/task");
}

std::chrono::nanoseconds ProcessCpuTime() {
    timespec cpu{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return std::chrono::seconds(cpu.tv_sec) + std::chrono::nanoseconds(cpu.tv_nsec);
}

MemoryUse CurrentMemoryUse() {
    return {static_cast<uint64_t>(::mallinfo2().uordblks), StatusKilobytes("VmSize")};
}

}  // namespace veltrix::test
