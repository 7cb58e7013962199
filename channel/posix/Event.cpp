#include "Event.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>

namespace vci {

bool Event::Create() {
    handle_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    return Exists();
}

void Event::Destroy() {
    if (Exists()) {
        ::close(handle_);
        handle_ = kNoHandle;
    }
}

void Event::Signal() const {
    const uint64_t one = 1;
    // A full counter still reads as signalled, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(handle_, &one, sizeof one);
}

void Event::Wait(uint32_t timeoutMs) const {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd event{handle_, POLLIN, 0};
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return;
        }
        const int waitMs = static_cast<int>(std::min<int64_t>(left.count(), INT_MAX));
        const int ready = ::poll(&event, 1, waitMs);
        if (ready > 0 || (ready < 0 && errno != EINTR)) {
            return;
        }
    }
}

}  // namespace vci
