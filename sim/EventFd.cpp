#include "EventFd.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

namespace veltrix::sim {

EventFd::EventFd() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (fd_ < 0) {
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
}

EventFd::~EventFd() {
    ::close(fd_);
}

void EventFd::Raise() const {
    const uint64_t one = 1;
    // A counter that is full still reads as raised, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(fd_, &one, sizeof one);
}

void EventFd::Lower() const {
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = ::read(fd_, &count, sizeof count);
}

}  // namespace veltrix::sim
