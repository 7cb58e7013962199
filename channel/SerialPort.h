// The serial port services the channel layer needs; each platform implements them.
#pragma once

#include <cstdint>

#include "Event.h"
#include "NativeTypes.h"

namespace vci {

// What one wait of the reader on its port found.
enum class PortWait { Readable, Woken, TimedOut, Gone };

// One serial port held exclusively. A plain value without destructor, like Event.
class SerialPort {
  public:
    // Opens the port named "COM<n>" for reading and writing, refusing any other holder.
    bool OpenExclusive(const char* deviceName);
    bool IsOpen() const { return handle_ != kNoHandle; }
    void Close();

    bool ReadLineSettings(LineSettings& settings) const;
    bool WriteLineSettings(const LineSettings& settings) const;
    // Drops whatever waits in the driver's transmit and receive queues.
    void Purge() const;

    // Bytes the driver has received and not yet handed over.
    bool CountQueued(uint32_t& count) const;
    // Reads up to `count` bytes that are already queued; never blocks.
    bool ReadQueued(uint8_t* buffer, uint32_t count, uint32_t& got) const;
    // Returns once the driver has taken every byte.
    bool WriteAll(const void* data, uint32_t length) const;

    // Waits until bytes are queued, `wake` is signalled, the port is gone, or timeoutMs pass.
    PortWait WaitReadable(const Event& wake, uint32_t timeoutMs) const;

  private:
    NativeHandle handle_ = kNoHandle;
};

// 115200 baud, 8 data bits, no parity, one stop bit, every byte value passed through unaltered.
// Hardware flow control and the modem lines keep what `settings` held.
void SetFixedLineFormat(LineSettings& settings);

}  // namespace vci
