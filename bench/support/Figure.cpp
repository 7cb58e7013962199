#include "Figure.h"

#include <algorithm>
#include <cstdio>

#include "Format.h"

namespace veltrix::bench {

namespace {

// Tabs and line breaks would split the row.
std::string Cell(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n'; }, ' ');
    return text.empty() ? "—" : text;
}

const char* VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Holds:
            return "yes";
        case Verdict::Misses:
            return "no";
        case Verdict::NoGoal:
            break;
    }
    return "—";
}

}  // namespace

void Report(const Figure& figure) {
    std::printf("FIGURE\t%s\t%s\t%s\t%s\t%s\n", Cell(figure.name).c_str(),
                Cell(figure.measured).c_str(), Cell(figure.floor).c_str(),
                Cell(figure.goal).c_str(), VerdictText(figure.verdict));
    std::fflush(stdout);
}

void ReportAboveFloor(const std::string& name, std::chrono::nanoseconds measured,
                      std::chrono::nanoseconds floor, const std::string& floorText,
                      std::chrono::nanoseconds allowance) {
    const auto goal = floor + allowance;
    Report({name, DurationText(measured), floorText + ": " + DurationText(floor),
            "< " + DurationText(goal) + " (floor + " + DurationText(allowance) + ")",
            Below(measured.count(), goal.count())});
}

}  // namespace veltrix::bench
