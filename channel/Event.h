// An event that a thread can wait on with a time-out and another thread can signal.
#pragma once

#include <cstdint>

#include "NativeTypes.h"

namespace vci {

// A plain value without destructor, so that the static channel table needs no teardown at exit:
// Create() acquires the event and Destroy() releases it.
class Event {
  public:
    bool Create();
    void Destroy();
    bool Exists() const { return handle_ != kNoHandle; }

    // Once signalled, the event stays signalled until destroyed.
    void Signal() const;
    // Returns when the event is signalled or after timeoutMs, whichever comes first.
    void Wait(uint32_t timeoutMs) const;

    NativeHandle Handle() const { return handle_; }

  private:
    NativeHandle handle_ = kNoHandle;
};

}  // namespace vci
