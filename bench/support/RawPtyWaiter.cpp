#include "RawPtyWaiter.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "ReaderThread.h"
#include "ThreadHandle.h"

namespace veltrix::bench {

RawPtyWaiter::RawPtyWaiter(const std::string& portPath)
    : portFd_(::open(portPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
    if (portFd_ < 0) {
        throw std::system_error(errno, std::generic_category(), "open " + portPath);
    }
    thread_ = std::thread([this] { Run(); });
}

RawPtyWaiter::~RawPtyWaiter() {
    stop_ = true;
    thread_.join();
    ::close(portFd_);
}

std::optional<RawPtyWaiter::Clock::time_point> RawPtyWaiter::AwaitWakeUp(
    std::chrono::milliseconds patience) {
    const auto deadline = Clock::now() + patience;
    Clock::rep wokeAt = 0;
    while ((wokeAt = wokeAt_.exchange(0)) == 0) {
        // Yielding, the spinning caller leaves the core to the threads it waits for.
        std::this_thread::yield();
        if (Clock::now() > deadline) {
            return std::nullopt;
        }
    }
    return Clock::time_point(Clock::duration(wokeAt));
}

void RawPtyWaiter::Run() {
    vci::RaiseCurrentThreadPriority();
    while (!stop_) {
        pollfd port{portFd_, POLLIN, 0};
        if (::poll(&port, 1, vci::READER_WAIT_MS) <= 0) {
            continue;
        }
        wokeAt_ = Clock::now().time_since_epoch().count();
        char discarded[4096];
        while (::read(portFd_, discarded, sizeof discarded) > 0) {
        }
    }
}

}  // namespace veltrix::bench
