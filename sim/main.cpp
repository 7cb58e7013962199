// veltrix-sim: a simulated Veltrix-7A for trying the tool, by hand or from scripts, without
// hardware.
#include <pthread.h>
#include <signal.h>
#include <string.h>

#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

#include "CommandLine.h"
#include "SimulatedDevice.h"

using namespace veltrix::sim;

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    CommandLine line;
    try {
        line = ParseCommandLine(arguments);
    } catch (const std::invalid_argument& wrong) {
        std::cerr << "veltrix-sim: " << wrong.what() << "\nTry 'veltrix-sim --help'.\n";
        return 2;
    }
    if (line.help) {
        std::cout << Usage();
        return 0;
    }
    if (!line.quiet) {
        line.device.log = [](const std::string& text) { std::cout << text << std::endl; };
    }

    // Blocked before the device thread starts, so only the wait below ever takes them and the
    // link is removed on every way out but SIGKILL.
    sigset_t stops;
    sigemptyset(&stops);
    for (const int stop : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&stops, stop);
    }
    pthread_sigmask(SIG_BLOCK, &stops, nullptr);

    try {
        SimulatedDevice device(line.device);
        if (!line.quiet) {
            std::cout << "veltrix-sim: a Veltrix-7A on COM" << line.device.comNumber << ", "
                      << device.LinkPath() << " -> " << device.PortPath() << ", "
                      << (line.device.paced ? "paced at 115200 baud" : "unpaced")
                      << ". Ctrl-C stops it." << std::endl;
        }
        int received = 0;
        sigwait(&stops, &received);
        if (!line.quiet) {
            std::cout << "veltrix-sim: stopping on " << strsignal(received) << std::endl;
        }
    } catch (const std::exception& failure) {
        std::cerr << "veltrix-sim: " << failure.what() << std::endl;
        return 1;
    }
    return 0;
}
