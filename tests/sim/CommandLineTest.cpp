// The options of veltrix-sim, each to its setting, and the mistakes a user may make.
#include <gtest/gtest.h>

#include "CommandLine.h"

namespace veltrix::sim {
namespace {

CommandLine Parse(std::vector<std::string_view> arguments) {
    return ParseCommandLine(arguments);
}

TEST(CommandLineTest, NoOptionsMakeAFaultlessPacedDeviceOnCom3) {
    const CommandLine line = Parse({});
    EXPECT_EQ(line.device.comNumber, 3);
    EXPECT_TRUE(line.device.portDir.empty());
    EXPECT_TRUE(line.device.paced);
    EXPECT_EQ(line.device.faults, Faults{});
    EXPECT_FALSE(line.quiet);
    EXPECT_FALSE(line.help);
}

TEST(CommandLineTest, EveryOptionSetsItsOwnSetting) {
    const CommandLine line = Parse({"--com",
                                    "23",
                                    "--port-dir=/tmp/p",
                                    "--no-pacing",
                                    "--quiet",
                                    "--late",
                                    "500",
                                    "--late-from",
                                    "100",
                                    "--short=0",
                                    "--bad-checksum",
                                    "--extra",
                                    "30",
                                    "--stray",
                                    "20",
                                    "--inserted",
                                    "9",
                                    "--inserted-at=200",
                                    "--answer-writes",
                                    "--ignore-writes",
                                    "--alter",
                                    "239",
                                    "--new-info",
                                    "-h"});
    EXPECT_EQ(line.device.comNumber, 23);
    EXPECT_EQ(line.device.portDir, "/tmp/p");
    EXPECT_FALSE(line.device.paced);
    EXPECT_TRUE(line.quiet);
    EXPECT_TRUE(line.help);
    EXPECT_EQ(line.device.faults, (Faults{.lateMs = 500,
                                          .lateFromByte = 100,
                                          .shortLength = 0,
                                          .wrongChecksum = true,
                                          .extraBytes = 30,
                                          .strayBytes = 20,
                                          .insertedBytes = 9,
                                          .insertedAt = 200,
                                          .answerWrites = true,
                                          .ignoreWrites = true,
                                          .alterOffset = 239,
                                          .newInfoAfterWrite = true}));
}

TEST(CommandLineTest, MistakesAreRefusedWithAMessage) {
    const std::pair<std::vector<std::string_view>, const char*> mistakes[] = {
        {{"--com", "24"}, "--com wants a number from 0 to 23, not '24'"},
        {{"--com", "-1"}, "--com wants a number from 0 to 23, not '-1'"},
        {{"--late", "5x"}, "--late wants a number from 1 to 600000, not '5x'"},
        {{"--alter", "0"}, "--alter wants a number from 1 to 239, not '0'"},
        {{"--extra"}, "--extra wants N"},
        {{"--quiet=yes"}, "--quiet takes no value"},
        {{"--loud"}, "unknown option '--loud'"},
        {{"3"}, "unknown option '3'"},
    };
    for (const auto& [arguments, message] : mistakes) {
        try {
            Parse(arguments);
            ADD_FAILURE() << message;
        } catch (const std::invalid_argument& refused) {
            EXPECT_STREQ(refused.what(), message);
        }
    }
}

}  // namespace
}  // namespace veltrix::sim
