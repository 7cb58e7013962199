// Channels over pseudo-terminals in a private port directory; every channel is closed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <chrono>

#include "DeviceIo.h"
#include "PortDirectory.h"
#include "vci.h"

namespace veltrix::test {

class ChannelFixture : public ::testing::Test {
  protected:
    void TearDown() override {
        for (int32_t channel = 0; channel < 24; ++channel) {
            VCI_CloseDevice(channel);
        }
    }

    template <typename Action>
    static std::chrono::milliseconds TimeOf(Action action) {
        const auto started = std::chrono::steady_clock::now();
        action();
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started);
    }

    PortDirectory ports_;
};

}  // namespace veltrix::test
