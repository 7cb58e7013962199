#include "VirtualDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace veltrix::bench {

namespace {

// Xvfb writes its display number, then a line break, to this descriptor once it accepts clients.
std::string AwaitDisplayNumber(int fd, std::chrono::seconds patience) {
    std::string number;
    const auto deadline = VirtualDisplay::Clock::now() + patience;
    while (number.empty() || number.back() != '\n') {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - VirtualDisplay::Clock::now());
        pollfd wait{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&wait, 1, static_cast<int>(left.count())) <= 0) {
            throw std::runtime_error("Xvfb did not start within its time");
        }
        char text[16];
        const ssize_t got = ::read(fd, text, sizeof text);
        if (got <= 0) {
            throw std::runtime_error("Xvfb ended before it told its display");
        }
        number.append(text, static_cast<size_t>(got));
    }
    number.pop_back();
    return number;
}

// Replies of xcb are malloc'ed.
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

}  // namespace

VirtualDisplay::VirtualDisplay() {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe");
    }
    // Only the server has the writing end, so a server that dies ends the wait at once.
    ::fcntl(pipeFds[0], F_SETFD, FD_CLOEXEC);
    try {
        server_ = std::make_unique<ChildProcess>(
            "Xvfb", std::vector<std::string>{"-displayfd", std::to_string(pipeFds[1]), "-screen",
                                             "0", "1024x768x24", "-nolisten", "tcp"});
    } catch (...) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        throw;
    }
    ::close(pipeFds[1]);
    try {
        name_ = std::string(":").append(AwaitDisplayNumber(pipeFds[0], std::chrono::seconds(30)));
    } catch (...) {
        ::close(pipeFds[0]);
        throw;
    }
    ::close(pipeFds[0]);

    connection_ = xcb_connect(name_.c_str(), nullptr);
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot connect to Xvfb on " + name_);
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    // Every window mapped as a child of the root is reported to us.
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    constexpr char PID_ATOM[] = "_NET_WM_PID";
    const auto atom = Owned(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, sizeof PID_ATOM - 1, PID_ATOM), nullptr));
    if (!atom) {
        xcb_disconnect(connection_);
        throw std::runtime_error("Xvfb does not answer");
    }
    pidAtom_ = atom->atom;
}

VirtualDisplay::~VirtualDisplay() {
    xcb_disconnect(connection_);
}

VirtualDisplay::MappedWindow VirtualDisplay::AwaitWindowOf(pid_t pid,
                                                           std::chrono::seconds patience) {
    const auto deadline = Clock::now() + patience;
    while (Clock::now() < deadline) {
        while (auto event = Owned(xcb_poll_for_event(connection_))) {
            const auto mappedAt = Clock::now();
            // The high bit marks events that a client sent.
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (map->override_redirect == 0 && PidOf(map->window) == static_cast<uint32_t>(pid)) {
                return {map->window, mappedAt};
            }
        }
        if (xcb_connection_has_error(connection_) != 0) {
            throw std::runtime_error("the connection to Xvfb broke");
        }
        pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&wait, 1, 100);
    }
    throw std::runtime_error("no window of process " + std::to_string(pid) + " appeared");
}

uint32_t VirtualDisplay::PidOf(uint32_t window) {
    const auto reply = Owned(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    // A window without the property, or gone already, belongs to no process we wait for.
    if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(uint32_t)) {
        return 0;
    }
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

VirtualDisplay::Rectangle VirtualDisplay::GeometryOf(uint32_t window) {
    const auto geometry =
        Owned(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    const auto origin = Owned(xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr));
    if (!geometry || !origin) {
        throw std::runtime_error("the window is gone");
    }
    return {origin->dst_x, origin->dst_y, geometry->width, geometry->height};
}

void VirtualDisplay::ClickAt(int x, int y) {
    ChildProcess xdotool("xdotool",
                         {"mousemove", std::to_string(x), std::to_string(y), "click", "1"},
                         {{"DISPLAY", name_}});
    if (xdotool.Wait() != 0) {
        throw std::runtime_error("xdotool could not click");
    }
}

}  // namespace veltrix::bench
