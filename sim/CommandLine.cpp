#include "CommandLine.h"

#include <charconv>
#include <functional>
#include <stdexcept>

namespace veltrix::sim {

namespace {

struct Option {
    std::string_view name;
    std::string_view value;  // what follows the name, as the usage shows it; empty for a flag
    std::string_view help;
    std::function<void(CommandLine&, std::string_view)> apply;
};

// Throws std::invalid_argument with the range when the text is no number within it.
uint64_t Number(std::string_view text, uint64_t least, uint64_t most) {
    uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || number < least ||
        number > most) {
        throw std::invalid_argument("a number from " + std::to_string(least) + " to " +
                                    std::to_string(most));
    }
    return number;
}

const Option OPTIONS[] = {
    {"--com", "N", "appear as COM<N>, 0 to 23 (default 3)",
     [](CommandLine& line, std::string_view value) {
         line.device.comNumber = static_cast<int>(Number(value, 0, 23));
     }},
    {"--port-dir", "DIR", "link the port in DIR (default: $VELTRIX_PORT_DIR; made if missing)",
     [](CommandLine& line, std::string_view value) { line.device.portDir = value; }},
    {"--no-pacing", "", "send every reply at once instead of at 115200 baud",
     [](CommandLine& line, std::string_view) { line.device.paced = false; }},
    {"--quiet", "", "print nothing but errors",
     [](CommandLine& line, std::string_view) { line.quiet = true; }},
    {"--late", "MS", "reply MS milliseconds late",
     [](CommandLine& line, std::string_view value) {
         line.device.faults.lateMs = static_cast<uint32_t>(Number(value, 1, 600000));
     }},
    {"--late-from", "N", "with --late: send the first N bytes on time, only the rest late",
     [](CommandLine& line, std::string_view value) {
         line.device.faults.lateFromByte = Number(value, 0, 100000);
     }},
    {"--short", "N", "reply with the first N bytes of the image only",
     [](CommandLine& line, std::string_view value) {
         line.device.faults.shortLength = Number(value, 0, 239);
     }},
    {"--bad-checksum", "", "reply with a wrong checksum",
     [](CommandLine& line, std::string_view) { line.device.faults.wrongChecksum = true; }},
    {"--extra", "N", "send N bytes more after the image",
     [](CommandLine& line, std::string_view value) {
         line.device.faults.extraBytes = Number(value, 1, 100000);
     }},
    {"--stray", "N", "send N stray bytes before the image",
     [](CommandLine& line, std::string_view value) {
         line.device.faults.strayBytes = Number(value, 1, 100000);
     }},
    {"--inserted", "N", "send N bytes of noise inside the image",
     [](CommandLine& line, std::string_view value) {
         line.device.faults.insertedBytes = Number(value, 1, 100000);
     }},
    {"--inserted-at", "K", "with --inserted: after the image's first K bytes (default 120)",
     [](CommandLine& line, std::string_view value) {
         line.device.faults.insertedAt = Number(value, 0, 240);
     }},
    {"--answer-writes", "", "answer every write request by sending it back",
     [](CommandLine& line, std::string_view) { line.device.faults.answerWrites = true; }},
    {"--ignore-writes", "", "store nothing of a write request",
     [](CommandLine& line, std::string_view) { line.device.faults.ignoreWrites = true; }},
    {"--alter", "OFFSET", "store every write with byte OFFSET (1 to 239) one higher",
     [](CommandLine& line, std::string_view value) {
         line.device.faults.alterOffset = Number(value, 1, 239);
     }},
    {"--new-info", "", "report a new firmware version after every write",
     [](CommandLine& line, std::string_view) { line.device.faults.newInfoAfterWrite = true; }},
    {"--help", "", "show this and stop",
     [](CommandLine& line, std::string_view) { line.help = true; }},
};

const Option& OptionNamed(std::string_view name) {
    for (const Option& option : OPTIONS) {
        if (option.name == name || (name == "-h" && option.name == "--help")) {
            return option;
        }
    }
    throw std::invalid_argument("unknown option '" + std::string(name) + "'");
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
    CommandLine line;
    for (size_t next = 0; next < arguments.size(); ++next) {
        // Both "--late 500" and "--late=500".
        const std::string_view argument = arguments[next];
        const size_t equals = argument.find('=');
        const Option& option = OptionNamed(argument.substr(0, equals));
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (!option.value.empty()) {
            if (++next == arguments.size()) {
                throw std::invalid_argument(std::string(option.name) + " wants " +
                                            std::string(option.value));
            }
            value = arguments[next];
        }
        if (option.value.empty() && equals != std::string_view::npos) {
            throw std::invalid_argument(std::string(option.name) + " takes no value");
        }
        try {
            option.apply(line, value);
        } catch (const std::invalid_argument& wanted) {
            throw std::invalid_argument(std::string(option.name) + " wants " + wanted.what() +
                                        ", not '" + std::string(value) + "'");
        }
    }
    return line;
}

std::string Usage() {
    std::string usage =
        "Usage: veltrix-sim [OPTION]...\n"
        "Plays a Veltrix-7A CAN-to-serial converter on a pseudo-terminal that it links as\n"
        "COM<N> in the port directory, where the tool's channel layer finds it. Prints a line\n"
        "per request and reply. Ctrl-C or SIGTERM stops it and removes the link.\n\n";
    for (const Option& option : OPTIONS) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "text" + string.
        std::string left = "  ";
        left += option.name;
        if (!option.value.empty()) {
            left += ' ';
            left += option.value;
        }
        left.resize(std::max<size_t>(left.size() + 1, 22), ' ');
        usage += left + std::string(option.help) + "\n";
    }
    usage +=
        "\nExample: VELTRIX_PORT_DIR=/tmp/ports veltrix-sim --com 3 --late 500\n"
        "and start the tool with the same VELTRIX_PORT_DIR.\n";
    return usage;
}

}  // namespace veltrix::sim
