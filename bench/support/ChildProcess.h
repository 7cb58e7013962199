// A program the benchmark starts and ends: spawned at once with a few environment variables of
// its own, its output kept off the benchmark's stdout (where the figures go).
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace veltrix::bench {

class ChildProcess {
  public:
    // Runs `program` (a path, or a name looked up in PATH) with `arguments` and this process's
    // environment, `environment` set over it. Throws std::system_error when it cannot start.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& environment = {});
    // Ends the program (SIGTERM) unless it has ended, and waits for it.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    // Waits for the program to end by itself; returns its exit status as waitpid() gives it.
    // Call it once at most: the destructor then has nothing left to end.
    int Wait();

  private:
    pid_t pid_ = -1;
};

}  // namespace veltrix::bench
