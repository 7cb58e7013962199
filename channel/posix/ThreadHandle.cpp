#include "ThreadHandle.h"

#include <sys/resource.h>
#include <unistd.h>

namespace vci {

namespace {
// Within the normal scheduling class: needs no privilege to ask, and harms nothing if refused.
constexpr int kReaderNice = -5;
}  // namespace

bool ThreadHandle::Start(Entry entry, int32_t argument) {
    entry_ = entry;
    argument_ = argument;
    started_ = ::pthread_create(&thread_, nullptr, &ThreadHandle::Run, this) == 0;
    return started_;
}

void ThreadHandle::Join() {
    if (started_) {
        ::pthread_join(thread_, nullptr);
        started_ = false;
    }
}

void* ThreadHandle::Run(void* self) {
    const auto* handle = static_cast<ThreadHandle*>(self);
    handle->entry_(handle->argument_);
    return nullptr;
}

void RaiseCurrentThreadPriority() {
    [[maybe_unused]] const int refused = ::setpriority(PRIO_PROCESS, ::gettid(), kReaderNice);
}

}  // namespace vci
