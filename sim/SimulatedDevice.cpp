#include "SimulatedDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "Wording.h"

namespace veltrix::sim {

namespace {

using Clock = DeviceLine::Clock;

// The directory is made if missing, so that a first start by hand just works.
std::string PortDirOf(const SimulatedDevice::Options& options) {
    std::string portDir = options.portDir;
    if (portDir.empty()) {
        const char* fromEnvironment = std::getenv("VELTRIX_PORT_DIR");
        if (fromEnvironment == nullptr || *fromEnvironment == '\0') {
            throw std::runtime_error("no port directory: set VELTRIX_PORT_DIR or give one");
        }
        portDir = fromEnvironment;
    }
    std::filesystem::create_directories(portDir);
    return portDir;
}

int MakeNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0) {
        throw std::system_error(errno, std::generic_category(), "fcntl");
    }
    return fd;
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

SimulatedDevice::SimulatedDevice(Options options)
    : options_(std::move(options)),
      pty_(PortDirOf(options_), options_.comNumber),
      line_(MakeNonBlocking(pty_.DeviceFd()), stop_, options_.paced),
      model_(options_.image) {
    model_.SetFaults(options_.faults);
    thread_ = std::thread([this] { Run(); });
}

SimulatedDevice::~SimulatedDevice() {
    stop_.Raise();
    thread_.join();
}

void SimulatedDevice::SetFaults(const Faults& faults) {
    std::lock_guard lock(mutex_);
    model_.SetFaults(faults);
}

protocol::ParameterImage SimulatedDevice::Image() const {
    std::lock_guard lock(mutex_);
    return model_.Image();
}

std::vector<ParsedItem> SimulatedDevice::Received() const {
    std::lock_guard lock(mutex_);
    return {received_.begin(), received_.end()};
}

void SimulatedDevice::SendOfItsOwn(std::span<const uint8_t> bytes) {
    {
        std::lock_guard lock(mutex_);
        ownBytes_.insert(ownBytes_.end(), bytes.begin(), bytes.end());
    }
    ownBytesWaiting_.Raise();
}

void SimulatedDevice::Run() {
    auto lastInput = Clock::now();
    for (;;) {
        pollfd watched[] = {{stop_.Fd(), POLLIN, 0},
                            {pty_.DeviceFd(), POLLIN, 0},
                            {ownBytesWaiting_.Fd(), POLLIN, 0}};
        const int ready = ::poll(watched, 3, QuietTimeoutMs(lastInput));
        // Every step but the first returns false once the stop has come.
        if (watched[0].revents != 0 || (ready == 0 && !GiveUpUnfinishedRequest()) ||
            (watched[2].revents != 0 && !SendOwnBytes()) ||
            (watched[1].revents != 0 && !TakeInput(lastInput))) {
            return;
        }
    }
}

int SimulatedDevice::QuietTimeoutMs(Clock::time_point lastInput) const {
    if (parser_.HeldBytes() == 0) {
        return -1;
    }
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(lastInput + FRAME_GAP - Clock::now());
    return static_cast<int>(std::max<int64_t>(0, left.count()));
}

bool SimulatedDevice::GiveUpUnfinishedRequest() {
    Log("line quiet in the middle of a request: giving it up");
    return Answer(parser_.Expire(), Clock::now());
}

bool SimulatedDevice::SendOwnBytes() {
    ownBytesWaiting_.Lower();
    std::vector<uint8_t> bytes;
    {
        std::lock_guard lock(mutex_);
        bytes.swap(ownBytes_);
    }
    Log("sending " + Bytes(bytes.size()) + " of its own, unasked");
    return Transmit(bytes);
}

bool SimulatedDevice::TakeInput(Clock::time_point& lastInput) {
    uint8_t input[4096];
    const ssize_t got = ::read(pty_.DeviceFd(), input, sizeof input);
    if (got > 0) {
        lastInput = Clock::now();
        // The pty hands over at once what a real line brings a byte at a time: the device may
        // act on a request only once its last byte would have come in.
        const auto cameIn = lastInput + line_.TimeOnTheLine(static_cast<size_t>(got));
        return Answer(parser_.Feed({input, static_cast<size_t>(got)}), cameIn);
    }
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
        return true;
    }
    // Cannot happen while the port end is held open; should it, wait rather than spin.
    return line_.SleepUntil(Clock::now() + FRAME_GAP);
}

bool SimulatedDevice::Answer(const std::vector<ParsedItem>& items, Clock::time_point arrived) {
    for (const ParsedItem& item : items) {
        Response response;
        {
            std::lock_guard lock(mutex_);
            received_.push_back(item);
            if (received_.size() > HISTORY_LIMIT) {
                received_.pop_front();
            }
            response = model_.Handle(item);
        }
        Log(response.note);
        for (const Transmission& transmission : response.transmissions) {
            if (!line_.SleepUntil(arrived + transmission.delay) || !Transmit(transmission.bytes)) {
                return false;
            }
        }
    }
    return true;
}

bool SimulatedDevice::Transmit(std::span<const uint8_t> bytes) {
    const auto started = Clock::now();
    if (!line_.Send(bytes)) {
        return false;
    }
    char took[32];
    std::snprintf(took, sizeof took, "%.1f ms", MillisecondsSince(started));
    Log("sent " + Bytes(bytes.size()) + " in " + took);
    return true;
}

void SimulatedDevice::Log(const std::string& line) const {
    if (options_.log) {
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "[%10.3f] ", MillisecondsSince(started_) / 1000);
        options_.log(stamp + line);
    }
}

}  // namespace veltrix::sim
