#include "PortDirectory.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace veltrix::test {

PortDirectory::PortDirectory() {
    char pattern[] = "/tmp/veltrix-ports-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
    path_ = pattern;
    ::setenv("VELTRIX_PORT_DIR", path_.c_str(), 1);
}

PortDirectory::~PortDirectory() {
    ports_.clear();
    ::unsetenv("VELTRIX_PORT_DIR");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

sim::PseudoTerminal& PortDirectory::AddPort(int comNumber) {
    return *ports_.emplace_back(std::make_unique<sim::PseudoTerminal>(path_, comNumber));
}

void PortDirectory::AddLink(int comNumber, const std::string& target) {
    std::filesystem::create_symlink(target, path_ + "/COM" + std::to_string(comNumber));
}

}  // namespace veltrix::test
