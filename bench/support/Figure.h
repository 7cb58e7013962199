// One row of the benchmark table: a figure measured in this run, beside its floor and its goal.
#pragma once

#include <chrono>
#include <string>

namespace veltrix::bench {

enum class Verdict { Holds, Misses, NoGoal };

struct Figure {
    std::string name;
    std::string measured;
    std::string floor;  // what the figure can never beat, measured in the same run where possible
    std::string goal;
    Verdict verdict = Verdict::NoGoal;
};

// One tab-separated line on stdout, starting with "FIGURE"; ./benchmark gathers these into its
// table.
void Report(const Figure& figure);

// A time beside the floor under it, measured in the same run and described by `floorText`; the
// goal is to stay less than `allowance` above that floor.
void ReportAboveFloor(const std::string& name, std::chrono::nanoseconds measured,
                      std::chrono::nanoseconds floor, const std::string& floorText,
                      std::chrono::nanoseconds allowance);

inline Verdict Below(double measured, double goal) {
    return measured < goal ? Verdict::Holds : Verdict::Misses;
}
inline Verdict AtLeast(double measured, double goal) {
    return measured >= goal ? Verdict::Holds : Verdict::Misses;
}

}  // namespace veltrix::bench
