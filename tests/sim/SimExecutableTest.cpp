// The veltrix-sim program as a user starts it: its help, its errors, and a device that the
// channel layer finds as its COM port and that leaves no link behind when stopped.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "DeviceIo.h"
#include "DeviceModel.h"
#include "PortDirectory.h"
#include "Requests.h"
#include "vci.h"

extern char** environ;

namespace veltrix::sim {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class SimExecutableTest : public ::testing::Test {
  protected:
    // Starts the program with stdout and stderr going to a file of its own.
    pid_t Start(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), VELTRIX_SIM_PROGRAM);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        pid_t pid = -1;
        const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(failed, 0) << VELTRIX_SIM_PROGRAM;
        return pid;
    }

    static int ExitCode(pid_t pid) {
        int status = 0;
        if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
            return -1;
        }
        return WEXITSTATUS(status);
    }

    std::string Output() const {
        std::ifstream file(output_);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    static bool AppearsWithinPatience(const fs::path& link) {
        const auto deadline = std::chrono::steady_clock::now() + test::kPatienceMs * 1ms;
        while (!fs::is_symlink(link)) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(5ms);
        }
        return true;
    }

    test::PortDirectory ports_;
    const std::string output_ = ports_.Path() + "/veltrix-sim.out";
};

TEST_F(SimExecutableTest, HelpNamesEveryFaultAndBadOptionsAreRefused) {
    EXPECT_EQ(ExitCode(Start({"--help"})), 0);
    const std::string help = Output();
    EXPECT_NE(help.find("Usage: veltrix-sim"), std::string::npos) << help;
    for (const char* option :
         {"--com", "--port-dir", "--no-pacing", "--quiet", "--late", "--late-from", "--short",
          "--bad-checksum", "--extra", "--stray", "--inserted", "--inserted-at", "--answer-writes",
          "--ignore-writes", "--alter", "--new-info"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }

    EXPECT_EQ(ExitCode(Start({"--short", "many"})), 2);
    EXPECT_NE(Output().find("--short wants a number from 0 to 239, not 'many'"), std::string::npos)
        << Output();
    EXPECT_TRUE(fs::is_empty(ports_.Path()) || !fs::exists(ports_.Path() + "/COM3"));
}

struct StopCase {
    const char* name;
    int signal;
    bool portDirOption;  // else VELTRIX_PORT_DIR
};

void PrintTo(const StopCase& stopCase, std::ostream* out) {
    *out << stopCase.name;
}

class SimExecutableStopTest : public SimExecutableTest,
                              public ::testing::WithParamInterface<StopCase> {};

TEST_P(SimExecutableStopTest, ShowsUpAsItsComPortAndRemovesTheLinkWhenStopped) {
    constexpr int32_t kChannel = 6;
    std::vector<std::string> arguments = {"--com", std::to_string(kChannel), "--no-pacing"};
    std::string portDir = ports_.Path();
    if (GetParam().portDirOption) {
        // A directory of its own, made by the program, wins over the environment's.
        portDir += "/by-option";
        arguments.insert(arguments.end(), {"--port-dir", portDir});
    }
    const pid_t pid = Start(arguments);
    const fs::path link = portDir + "/COM" + std::to_string(kChannel);
    ASSERT_TRUE(AppearsWithinPatience(link)) << Output();

    ::setenv("VELTRIX_PORT_DIR", portDir.c_str(), 1);
    ASSERT_EQ(VCI_OpenDevice(kChannel), 1);
    const auto request = protocol::MakeReadRequest(0);
    ASSERT_EQ(_VCI_WriteDevice(kChannel, request.data(), request.size()), 1);
    EXPECT_TRUE(test::WaitUntilReceived(kChannel, protocol::PARAMETER_IMAGE_SIZE));
    const auto image = FactoryImage();
    EXPECT_EQ(test::TakeReceived(kChannel),
              std::vector<uint8_t>(image.Data(), image.Data() + protocol::PARAMETER_IMAGE_SIZE));
    VCI_CloseDevice(kChannel);

    ASSERT_EQ(::kill(pid, GetParam().signal), 0);
    EXPECT_EQ(ExitCode(pid), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    const std::string output = Output();
    EXPECT_NE(output.find("read request, page 0"), std::string::npos) << output;
    EXPECT_NE(output.find("sent 240 bytes"), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(Signals, SimExecutableStopTest,
                         ::testing::Values(StopCase{"SIGTERM", SIGTERM, false},
                                           StopCase{"SIGINT", SIGINT, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veltrix::sim
