// What the channel layer's platform interfaces are made of on POSIX systems.
#pragma once

#include <pthread.h>
#include <termios.h>

namespace vci {

using NativeHandle = int;
inline constexpr NativeHandle kNoHandle = -1;

using LineSettings = termios;
using NativeThread = pthread_t;

}  // namespace vci
