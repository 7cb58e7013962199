// Starting and joining the threads of the channel layer.
#pragma once

#include <cstdint>

#include "NativeTypes.h"

namespace vci {

// A plain value without destructor: a thread left running at process exit is simply ended.
class ThreadHandle {
  public:
    using Entry = void (*)(int32_t argument);

    bool Start(Entry entry, int32_t argument);
    void Join();

  private:
    static void* Run(void* self);

    NativeThread thread_{};
    Entry entry_ = nullptr;
    int32_t argument_ = 0;
    bool started_ = false;
};

// Best effort: the reader threads ask for more CPU priority than the window.
void RaiseCurrentThreadPriority();

}  // namespace vci
