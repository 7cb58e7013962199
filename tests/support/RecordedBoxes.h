// Records the message boxes the program would show, instead of showing them, while it lives.
#pragma once

#include <vector>

#include "MessageBox.h"

namespace veltrix::test {

class RecordedBoxes {
  public:
    RecordedBoxes();
    ~RecordedBoxes();
    RecordedBoxes(const RecordedBoxes&) = delete;
    RecordedBoxes& operator=(const RecordedBoxes&) = delete;

    const std::vector<platform::MessageBoxContent>& Shown() const { return shown_; }
    void Forget() { shown_.clear(); }

  private:
    std::vector<platform::MessageBoxContent> shown_;
    platform::MessageBoxSink previous_;
};

}  // namespace veltrix::test
