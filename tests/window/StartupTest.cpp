// The last-resort guard of start-up: whatever leaves the steps is reported, and the exit code
// is 0 all the same.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "Exception.h"
#include "ExceptionReport.h"
#include "RecordedBoxes.h"
#include "Startup.h"

namespace veltrix::test {
namespace {

using platform::MessageBoxContent;
using platform::MessageBoxIcon;

std::vector<MessageBoxContent> ErrorBox(const std::string& message) {
    return {{MessageBoxIcon::Error, message, platform::ApplicationTitle()}};
}

TEST(StartupGuardTest, StepsThatSucceedEndWithExitCodeZeroAndNoBox) {
    RecordedBoxes boxes;
    bool ran = false;
    EXPECT_EQ(window::RunGuarded([&] { ran = true; }), 0);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(StartupGuardTest, ExceptionIsReportedWithItsMessageAndTheExitCodeIsZero) {
    RecordedBoxes boxes;
    EXPECT_EQ(window::RunGuarded([] { throw platform::EConvertError("start-up failed"); }), 0);
    EXPECT_EQ(boxes.Shown(), ErrorBox("start-up failed"));
}

TEST(StartupGuardTest, ThrownObjectThatIsNoExceptionGivesAnEmptyErrorBoxAndExitCodeZero) {
    RecordedBoxes boxes;
    EXPECT_EQ(window::RunGuarded([] { throw 7; }), 0);
    EXPECT_EQ(boxes.Shown(), ErrorBox(""));
    EXPECT_EQ(boxes.Shown()[0].caption, "window_tests");
}

}  // namespace
}  // namespace veltrix::test
