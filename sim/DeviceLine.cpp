#include "DeviceLine.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace veltrix::sim {

namespace {

using Clock = DeviceLine::Clock;

// Waits until one of `watched` is ready or the deadline passes (no deadline: for good); false
// at the deadline.
bool PollUntil(pollfd* watched, nfds_t count, std::optional<Clock::time_point> deadline) {
    for (;;) {
        timespec timeout{};
        if (deadline) {
            const auto left = std::max(*deadline - Clock::now(), Clock::duration::zero());
            const auto seconds = std::chrono::floor<std::chrono::seconds>(left);
            timeout = {static_cast<time_t>(seconds.count()),
                       static_cast<long>(std::chrono::nanoseconds(left - seconds).count())};
        }
        const int ready = ::ppoll(watched, count, deadline ? &timeout : nullptr, nullptr);
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

}  // namespace

DeviceLine::DeviceLine(int deviceFd, const EventFd& stop, bool paced)
    : deviceFd_(deviceFd), stop_(stop), paced_(paced) {}

bool DeviceLine::Send(std::span<const uint8_t> bytes) const {
    const auto started = Clock::now();
    size_t sent = 0;
    while (sent < bytes.size()) {
        const size_t piece = paced_ ? std::min(PACING_CHUNK, bytes.size() - sent) : bytes.size();
        // Absolute deadlines, so that late wake-ups never add up.
        if (paced_ && !SleepUntil(started + BYTE_TIME * (sent + piece))) {
            return false;
        }
        if (!WriteAll(bytes.subspan(sent, piece))) {
            return false;
        }
        sent += piece;
    }
    return true;
}

Clock::duration DeviceLine::TimeOnTheLine(size_t count) const {
    return paced_ ? std::chrono::duration_cast<Clock::duration>(BYTE_TIME * count)
                  : Clock::duration::zero();
}

bool DeviceLine::SleepUntil(Clock::time_point deadline) const {
    pollfd stop{stop_.Fd(), POLLIN, 0};
    while (Clock::now() < deadline) {
        if (PollUntil(&stop, 1, deadline)) {
            return false;
        }
    }
    return true;
}

bool DeviceLine::WriteAll(std::span<const uint8_t> bytes) const {
    while (!bytes.empty()) {
        const ssize_t written = ::write(deviceFd_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes = bytes.subspan(static_cast<size_t>(written));
        } else if (written < 0 && errno == EAGAIN) {
            // The port end is full because nobody reads it: wait for room, or for the stop.
            pollfd watched[] = {{deviceFd_, POLLOUT, 0}, {stop_.Fd(), POLLIN, 0}};
            PollUntil(watched, 2, std::nullopt);
            if (watched[1].revents != 0) {
                return false;
            }
        } else if (written == 0 || errno != EINTR) {
            return true;
        }
    }
    return true;
}

}  // namespace veltrix::sim
