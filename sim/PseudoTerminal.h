// The device end of a serial line: a pseudo-terminal whose port end is linked as COM<n>.
#pragma once

#include <string>

namespace veltrix::sim {

// Both ends are raw, so every byte value passes unaltered. The port end stays open here for the
// object's whole life: without it the device end would report hang-up and spin its poll loop.
class PseudoTerminal {
  public:
    // Creates the pair and links the port end as `portDir`/COM<comNumber>; throws
    // std::system_error when it cannot.
    PseudoTerminal(const std::string& portDir, int comNumber);
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // The descriptor the device reads requests from and writes replies to; -1 once hung up.
    int DeviceFd() const { return deviceFd_; }
    const std::string& LinkPath() const { return linkPath_; }
    const std::string& PortPath() const { return portPath_; }

    // The device goes away, as an unplugged adapter does: the port end sees hang-up for good.
    void HangUp();

  private:
    int deviceFd_ = -1;
    int portFd_ = -1;
    std::string portPath_;
    std::string linkPath_;
};

}  // namespace veltrix::sim
