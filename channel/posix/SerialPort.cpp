#include "SerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "PortNames.h"

namespace vci {

bool SerialPort::OpenExclusive(const char* deviceName) {
    char path[PATH_MAX];
    if (!PortPathFor(deviceName, path, sizeof path)) {
        return false;
    }
    // Non-blocking only while opening, so that a missing carrier cannot hold up the open.
    const int fd = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // flock refuses a second holder in any process, root included; TIOCEXCL also keeps
    // programs that do not lock from opening the tty.
    const int flags = ::fcntl(fd, F_GETFL);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
    handle_ = fd;
    return true;
}

void SerialPort::Close() {
    if (IsOpen()) {
        ::ioctl(handle_, TIOCNXCL);
        ::close(handle_);
        handle_ = kNoHandle;
    }
}

bool SerialPort::ReadLineSettings(LineSettings& settings) const {
    return ::tcgetattr(handle_, &settings) == 0;
}

bool SerialPort::WriteLineSettings(const LineSettings& settings) const {
    return ::tcsetattr(handle_, TCSANOW, &settings) == 0;
}

void SerialPort::Purge() const {
    ::tcflush(handle_, TCIOFLUSH);
}

bool SerialPort::CountQueued(uint32_t& count) const {
    int queued = 0;
    if (::ioctl(handle_, FIONREAD, &queued) != 0 || queued < 0) {
        return false;
    }
    count = static_cast<uint32_t>(queued);
    return true;
}

bool SerialPort::ReadQueued(uint8_t* buffer, uint32_t count, uint32_t& got) const {
    ssize_t received;
    do {
        received = ::read(handle_, buffer, count);
    } while (received < 0 && errno == EINTR);
    if (received < 0) {
        return false;
    }
    got = static_cast<uint32_t>(received);
    return true;
}

bool SerialPort::WriteAll(const void* data, uint32_t length) const {
    const auto* next = static_cast<const uint8_t*>(data);
    uint32_t left = length;
    while (left > 0) {
        const ssize_t written = ::write(handle_, next, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        next += written;
        left -= static_cast<uint32_t>(written);
    }
    return true;
}

PortWait SerialPort::WaitReadable(const Event& wake, uint32_t timeoutMs) const {
    pollfd watched[] = {{handle_, POLLIN, 0}, {wake.Handle(), POLLIN, 0}};
    const int waitMs = timeoutMs > INT_MAX ? INT_MAX : static_cast<int>(timeoutMs);
    const int ready = ::poll(watched, 2, waitMs);
    if (ready < 0) {
        return errno == EINTR ? PortWait::TimedOut : PortWait::Gone;
    }
    if (watched[1].revents != 0) {
        return PortWait::Woken;
    }
    // A hung-up tty reports this at once and forever; the caller must wait another way.
    if ((watched[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        return PortWait::Gone;
    }
    return (watched[0].revents & POLLIN) != 0 ? PortWait::Readable : PortWait::TimedOut;
}

void SetFixedLineFormat(LineSettings& settings) {
    ::cfsetispeed(&settings, B115200);
    ::cfsetospeed(&settings, B115200);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | IGNPAR | PARMRK | INPCK | ISTRIP | INLCR | IGNCR |
                               ICRNL | IUCLC | IXON | IXOFF | IXANY | IMAXBEL);
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    settings.c_lflag &=
        ~static_cast<tcflag_t>(ICANON | ECHO | ECHOE | ECHOK | ECHONL | ISIG | IEXTEN);
    // Reads return at once with whatever is queued.
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
}

}  // namespace vci
