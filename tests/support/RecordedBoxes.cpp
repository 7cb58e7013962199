#include "RecordedBoxes.h"

#include <utility>

namespace veltrix::test {

RecordedBoxes::RecordedBoxes()
    : previous_(platform::ReplaceMessageBoxSink(
          [this](const platform::MessageBoxContent& box) { shown_.push_back(box); })) {}

RecordedBoxes::~RecordedBoxes() {
    platform::ReplaceMessageBoxSink(std::move(previous_));
}

}  // namespace veltrix::test
