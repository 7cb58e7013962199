#include "PseudoTerminal.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace veltrix::sim {

namespace {

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

void MakeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        ThrowErrno("tcgetattr");
    }
    ::cfmakeraw(&settings);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
        ThrowErrno("tcsetattr");
    }
}

}  // namespace

PseudoTerminal::PseudoTerminal(const std::string& portDir, int comNumber)
    : linkPath_(portDir + "/COM" + std::to_string(comNumber)) {
    char portName[128] = {};
    if (::openpty(&deviceFd_, &portFd_, portName, nullptr, nullptr) != 0) {
        ThrowErrno("openpty");
    }
    portPath_ = portName;
    try {
        ::fcntl(deviceFd_, F_SETFD, FD_CLOEXEC);
        ::fcntl(portFd_, F_SETFD, FD_CLOEXEC);
        MakeRaw(deviceFd_);
        MakeRaw(portFd_);
        if (::symlink(portPath_.c_str(), linkPath_.c_str()) != 0) {
            ThrowErrno("symlink " + linkPath_);
        }
    } catch (...) {
        ::close(deviceFd_);
        ::close(portFd_);
        throw;
    }
}

PseudoTerminal::~PseudoTerminal() {
    ::unlink(linkPath_.c_str());
    HangUp();
    ::close(portFd_);
}

void PseudoTerminal::HangUp() {
    if (deviceFd_ >= 0) {
        ::close(deviceFd_);
        deviceFd_ = -1;
    }
}

}  // namespace veltrix::sim
