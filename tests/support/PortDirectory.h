// A private port directory for one test: VELTRIX_PORT_DIR points at it while it lives.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "PseudoTerminal.h"

namespace veltrix::test {

class PortDirectory {
  public:
    PortDirectory();
    ~PortDirectory();
    PortDirectory(const PortDirectory&) = delete;
    PortDirectory& operator=(const PortDirectory&) = delete;

    const std::string& Path() const { return path_; }
    // A pseudo-terminal linked here as COM<comNumber>; it lives as long as this directory.
    sim::PseudoTerminal& AddPort(int comNumber);
    // An entry COM<comNumber> that links to `target`, whatever that is.
    void AddLink(int comNumber, const std::string& target);

  private:
    std::string path_;
    std::vector<std::unique_ptr<sim::PseudoTerminal>> ports_;
};

}  // namespace veltrix::test
