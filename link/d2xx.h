#pragma once
// The FTDI D2XX call set the transceiver link is written against. The calls
// keep the driver's names, argument shapes and status codes; each one is
// dispatched to whichever installed backend owns the device (see
// ftdibackend.h), so nothing above this header knows what it talks to.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using FT_HANDLE = void *;
using FT_STATUS = std::uint32_t;

enum : FT_STATUS {
    FT_OK = 0,
    FT_INVALID_HANDLE = 1,
    FT_DEVICE_NOT_FOUND = 2,
    FT_DEVICE_NOT_OPENED = 3,
    FT_IO_ERROR = 4,
    FT_INSUFFICIENT_RESOURCES = 5,
    FT_INVALID_PARAMETER = 6,
    FT_INVALID_BAUD_RATE = 7,
    FT_INVALID_ARGS = 16,
    FT_NOT_SUPPORTED = 17,
    FT_OTHER_ERROR = 18,
    FT_DEVICE_LIST_NOT_READY = 19,
};

constexpr std::uint32_t FT_OPEN_BY_SERIAL_NUMBER = 1;
constexpr std::uint32_t FT_PURGE_RX = 1;
constexpr std::uint32_t FT_PURGE_TX = 2;
constexpr std::uint8_t FT_BITMODE_RESET = 0x00;
constexpr std::uint8_t FT_BITMODE_SYNC_BITBANG = 0x04;

// D2XX's FT_DEVICE values: the chip generation.
using FT_DEVICE = std::uint32_t;
enum : FT_DEVICE {
    FT_DEVICE_BM = 0,
    FT_DEVICE_AM = 1,
    FT_DEVICE_100AX = 2,
    FT_DEVICE_UNKNOWN = 3,
    FT_DEVICE_2232C = 4,
    FT_DEVICE_232R = 5,
    FT_DEVICE_2232H = 6,
    FT_DEVICE_4232H = 7,
    FT_DEVICE_232H = 8,
    FT_DEVICE_X_SERIES = 9,
};

struct FT_DEVICE_LIST_INFO_NODE {
    std::uint32_t Flags;
    std::uint32_t Type;
    std::uint32_t ID;  // USB vendor and product id; 0 for an entry that is not a usable device
    std::uint32_t LocId;
    char SerialNumber[16];
    char Description[64];
    FT_HANDLE ftHandle;
};

FT_STATUS FT_OpenEx(void *arg, std::uint32_t flags, FT_HANDLE *handle);
FT_STATUS FT_SetBitMode(FT_HANDLE handle, std::uint8_t mask, std::uint8_t mode);
FT_STATUS FT_Purge(FT_HANDLE handle, std::uint32_t mask);
FT_STATUS FT_SetLatencyTimer(FT_HANDLE handle, std::uint8_t milliseconds);
FT_STATUS FT_SetUSBParameters(FT_HANDLE handle, std::uint32_t inTransferSize, std::uint32_t outTransferSize);
FT_STATUS FT_SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate);
FT_STATUS FT_SetTimeouts(FT_HANDLE handle, std::uint32_t readTimeout, std::uint32_t writeTimeout);
FT_STATUS FT_Write(FT_HANDLE handle, void *buffer, std::uint32_t bytesToWrite, std::uint32_t *bytesWritten);
FT_STATUS FT_Read(FT_HANDLE handle, void *buffer, std::uint32_t bytesToRead, std::uint32_t *bytesReturned);
FT_STATUS FT_GetBitMode(FT_HANDLE handle, std::uint8_t *pins);
FT_STATUS FT_Close(FT_HANDLE handle);
// Only the chip generation is filled in; the other arguments may be null.
FT_STATUS FT_GetDeviceInfo(FT_HANDLE handle, FT_DEVICE *type, std::uint32_t *id, char *serialNumber,
                           char *description, void *dummy);
FT_STATUS FT_CreateDeviceInfoList(std::uint32_t *numDevices);
FT_STATUS FT_GetDeviceInfoList(FT_DEVICE_LIST_INFO_NODE *nodes, std::uint32_t *numDevices);

class FtdiBackend;

namespace d2xx {

// Backends are asked in the order they were installed: the first that opens a
// serial number owns that device, and enumeration lists every backend's
// devices in that order.
void installBackend(std::shared_ptr<FtdiBackend> backend);
void removeBackend(const FtdiBackend *backend);
void removeAllBackends();
std::vector<std::shared_ptr<FtdiBackend>> installedBackends();

// Extra advice for the last FT_OpenEx failure on this thread, from the
// backend that reported it (from every backend when none found the device);
// empty when there is nothing to add.
std::vector<std::string> openFailureAdvice(FT_STATUS status);

// Microseconds on the clock of the device behind an open handle: the
// monotonic clock for real chips, the simulated time for simulated ones, so
// that waits on the bus are measured in the time the bus lives in.
std::int64_t clockMicroseconds(FT_HANDLE handle);

// "FT_IO_ERROR (4)" and the like, for messages.
std::string statusText(FT_STATUS status);

}  // namespace d2xx
