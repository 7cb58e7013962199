// How fast bytes move through a channel's receive ring, against the 11,520 bytes per second that
// the serial line can bring: the reader's pushes, the consumer's batches, and pty to consumer.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <mutex>
#include <vector>

#include "DeviceIo.h"
#include "Figure.h"
#include "Format.h"
#include "Line.h"
#include "OpenChannel.h"
#include "PortDirectory.h"
#include "ReceiveRing.h"
#include "vci.h"

namespace veltrix::bench {
namespace {

constexpr int32_t kChannel = 0;
constexpr double kGoalTimesLine = 1000;
sim::PseudoTerminal* device = nullptr;

// The reader's side: one lock per byte, as every received byte is pushed.
void RingPushUnderTheLock(benchmark::State& state) {
    const auto batch = static_cast<uint32_t>(state.range(0));
    std::mutex& lock = vci::ChannelTable[kChannel].ringLock;
    VCI_ClearBuffer(kChannel, 0);
    for (auto _ : state) {
        if (VCI_GetReceiveNum(kChannel, 0) > vci::RING_CAPACITY - batch) {
            state.PauseTiming();
            VCI_ClearBuffer(kChannel, 0);
            state.ResumeTiming();
        }
        for (uint32_t i = 0; i < batch; ++i) {
            std::lock_guard held(lock);
            benchmark::DoNotOptimize(vci::RingPush(kChannel, 0, static_cast<uint8_t>(i)));
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * batch);
    state.SetLabel("Ring throughput: RingPush under the lock, one lock per byte");
}

void FillRing() {
    std::lock_guard held(vci::ChannelTable[kChannel].ringLock);
    while (vci::RingPush(kChannel, 0, 0xA5) == 1) {
    }
}

// The consumer's side: VCI_ReadDevice batches of a reply's size and larger.
void ReadDeviceBatches(benchmark::State& state) {
    const auto batch = static_cast<uint32_t>(state.range(0));
    std::vector<uint32_t> values(batch);
    VCI_ClearBuffer(kChannel, 0);
    for (auto _ : state) {
        if (VCI_GetReceiveNum(kChannel, 0) < batch) {
            state.PauseTiming();
            FillRing();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(VCI_ReadDevice(kChannel, 0, values.data(), batch, 0));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * batch);
    state.SetLabel("Ring throughput: VCI_ReadDevice batches of " + std::to_string(batch));
}

// The whole way: device writes, the reader takes them from the pty, the consumer reads them.
void PtyToConsumer(benchmark::State& state) {
    const auto chunk = static_cast<uint32_t>(state.range(0));
    const std::vector<uint8_t> bytes(chunk, 0x3C);
    std::vector<uint32_t> values(chunk);
    VCI_ClearBuffer(kChannel, 0);
    for (auto _ : state) {
        test::SendFromDevice(*device, bytes);
        if (!test::WaitUntilReceived(kChannel, chunk)) {
            state.SkipWithError("bytes did not arrive");
            break;
        }
        benchmark::DoNotOptimize(VCI_ReadDevice(kChannel, 0, values.data(), chunk, 0));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * chunk);
    state.SetLabel("Channel throughput: pty → reader → VCI_ReadDevice, " +
                   std::to_string(chunk / 1024) + " KiB at a time");
}

BENCHMARK(RingPushUnderTheLock)->Arg(4096);
BENCHMARK(ReadDeviceBatches)->Arg(240)->Arg(4096);
BENCHMARK(PtyToConsumer)->Arg(64 * 1024)->UseRealTime();

// Shows Google Benchmark's own lines on stderr and keeps each run's rate for the table.
class RateCollector : public benchmark::ConsoleReporter {
  public:
    RateCollector() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            if (!run.error_occurred && rate != run.counters.end()) {
                rates_.emplace_back(run.report_label, rate->second.value);
            }
        }
    }
    const std::vector<std::pair<std::string, double>>& Rates() const { return rates_; }

  private:
    std::vector<std::pair<std::string, double>> rates_;
};

int Main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    test::PortDirectory ports;
    device = &ports.AddPort(kChannel);
    // VCI_ReadDevice hands out bytes only on an open channel.
    OpenChannel(kChannel);
    RateCollector collector;
    collector.SetOutputStream(&std::cerr);
    collector.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&collector);
    VCI_CloseDevice(kChannel);

    const double goal = kGoalTimesLine * kLineBytesPerSecond;
    for (const auto& [name, rate] : collector.Rates()) {
        char timesLine[32];
        std::snprintf(timesLine, sizeof timesLine, " (%.0f× the line)", rate / kLineBytesPerSecond);
        Report({name, RateText(rate) + timesLine, "line: 11,520 B/s (115200 baud)",
                "≥ " + RateText(goal) + " (1000× the line)", AtLeast(rate, goal)});
    }
    return collector.Rates().empty() ? 1 : 0;
}

}  // namespace
}  // namespace veltrix::bench

int main(int argc, char** argv) {
    return veltrix::bench::Main(argc, argv);
}
