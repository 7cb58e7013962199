// A flag one thread raises and another waits for in poll(), alongside its other descriptors.
#pragma once

namespace veltrix::sim {

class EventFd {
  public:
    // Throws std::system_error when no descriptor is left.
    EventFd();
    ~EventFd();
    EventFd(const EventFd&) = delete;
    EventFd& operator=(const EventFd&) = delete;

    // Raised, the descriptor stays readable until lowered.
    void Raise() const;
    void Lower() const;
    int Fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace veltrix::sim
