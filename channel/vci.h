/* The channel layer's exported operations: serial ports named by COM number. */
#ifndef VELTRIX_CHANNEL_VCI_H
#define VELTRIX_CHANNEL_VCI_H

#include <stdint.h>

#if defined(_WIN32)
#define VCI_API __declspec(dllexport)
#else
#define VCI_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* 1 when COM<channel> is open at 115200 8N1 and its reader runs; 0 otherwise. */
VCI_API int32_t VCI_OpenDevice(int32_t channel);

/* Always 1 for channels 0..23 (0 for any other number). An open channel takes at least 200 ms. */
VCI_API int32_t VCI_CloseDevice(int32_t channel);

/* 1 when the port took all `length` bytes; 0 otherwise. */
VCI_API int32_t _VCI_WriteDevice(int32_t channel, const void* buffer, uint32_t length);

/* Waits `timeoutMs` on an open channel, then takes up to `maxCount` received bytes, one per value.
 */
VCI_API uint32_t VCI_ReadDevice(int32_t channel, uint32_t subChannel, uint32_t* values,
                                uint32_t maxCount, uint32_t timeoutMs);

/* Bytes waiting in the channel's receive ring, 0 to 200000. */
VCI_API uint32_t VCI_GetReceiveNum(int32_t channel, uint32_t subChannel);

/* Empties the channel's receive ring: 1, or 0 for a sub-channel other than 0. */
VCI_API int32_t VCI_ClearBuffer(int32_t channel, uint32_t subChannel);

#ifdef __cplusplus
}
#endif

#endif
