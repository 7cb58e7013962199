// COM numbers resolve to device paths, and the line is put into its fixed, transparent format.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>

#include "PortNames.h"
#include "SerialPort.h"

namespace vci {
namespace {

std::string PathFor(const char* deviceName) {
    char path[256];
    return PortPathFor(deviceName, path, sizeof path) ? path : "<none>";
}

TEST(PortNamesTest, DefaultTableCoversUsbAcmAndOnboardPorts) {
    ::unsetenv("VELTRIX_PORT_DIR");
    const std::pair<const char*, const char*> cases[] = {
        {"COM0", "/dev/ttyUSB0"},  {"COM7", "/dev/ttyUSB7"}, {"COM8", "/dev/ttyACM0"},
        {"COM15", "/dev/ttyACM7"}, {"COM16", "/dev/ttyS0"},  {"COM23", "/dev/ttyS7"},
        {"COM24", "<none>"},       {"COM", "<none>"},        {"COM-1", "<none>"},
        {"COM3x", "<none>"},       {"LPT1", "<none>"},
    };
    for (const auto& [name, path] : cases) {
        EXPECT_EQ(PathFor(name), path) << name;
    }
}

TEST(PortNamesTest, PortDirectoryReplacesTheTableEntirely) {
    ::setenv("VELTRIX_PORT_DIR", "/run/ports", 1);
    EXPECT_EQ(PathFor("COM0"), "/run/ports/COM0");
    EXPECT_EQ(PathFor("COM12"), "/run/ports/COM12");
    char tooSmall[12];
    EXPECT_FALSE(PortPathFor("COM12", tooSmall, sizeof tooSmall));
    ::unsetenv("VELTRIX_PORT_DIR");
}

TEST(LineFormatTest, SetsFixedFormatAndTransparencyKeepingHardwareFlowControl) {
    termios line{};
    line.c_iflag = ICRNL | IXON | IXOFF | IXANY | ISTRIP | INLCR | IGNCR | BRKINT | PARMRK | INPCK;
    line.c_oflag = OPOST | ONLCR;
    line.c_lflag = ICANON | ECHO | ECHOE | ISIG | IEXTEN;
    line.c_cflag = CS7 | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL;
    cfsetspeed(&line, B9600);

    SetFixedLineFormat(line);

    EXPECT_EQ(cfgetispeed(&line), speed_t{B115200});
    EXPECT_EQ(cfgetospeed(&line), speed_t{B115200});
    EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t{CS8});
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ(line.c_cflag & (CLOCAL | CREAD), tcflag_t{CLOCAL | CREAD});
    EXPECT_EQ(line.c_cflag & (CRTSCTS | HUPCL), tcflag_t{CRTSCTS | HUPCL});
    EXPECT_EQ(line.c_iflag, 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ECHOE | ISIG | IEXTEN), 0u);
    EXPECT_EQ(line.c_cc[VMIN], 0);
    EXPECT_EQ(line.c_cc[VTIME], 0);
}

}  // namespace
}  // namespace vci
