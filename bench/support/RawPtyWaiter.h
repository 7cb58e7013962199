// The floor under the channel's reader: a thread that waits on a pty's port end as the reader
// does (poll with the same bound, at the same priority) and only notes when bytes became readable.
#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

namespace veltrix::bench {

class RawPtyWaiter {
  public:
    using Clock = std::chrono::steady_clock;

    explicit RawPtyWaiter(const std::string& portPath);
    ~RawPtyWaiter();
    RawPtyWaiter(const RawPtyWaiter&) = delete;
    RawPtyWaiter& operator=(const RawPtyWaiter&) = delete;

    // Spins, yielding, until bytes have become readable since the last call, then says when;
    // nullopt when nothing came within `patience`.
    std::optional<Clock::time_point> AwaitWakeUp(std::chrono::milliseconds patience);

  private:
    void Run();

    int portFd_ = -1;
    std::atomic<bool> stop_{false};
    std::atomic<Clock::rep> wokeAt_{0};  // 0 while nothing has come
    std::thread thread_;
};

}  // namespace veltrix::bench
