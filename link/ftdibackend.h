#pragma once
// One implementation of the D2XX call set: the simulated programmer, or
// libftdi for real FTDI chips. A backend hands out opaque device pointers;
// the dispatch layer wraps them into FT_HANDLEs.

#include "d2xx.h"

#include <string>
#include <vector>

class FtdiBackend
{
public:
    virtual ~FtdiBackend() = default;

    // FT_DEVICE_NOT_FOUND when this backend has no device with that serial number.
    virtual FT_STATUS open(const char *serialNumber, void **device) = 0;
    virtual FT_STATUS setBitMode(void *device, std::uint8_t mask, std::uint8_t mode) = 0;
    virtual FT_STATUS purge(void *device, std::uint32_t mask) = 0;
    virtual FT_STATUS setLatencyTimer(void *device, std::uint8_t milliseconds) = 0;
    virtual FT_STATUS setUsbParameters(void *device, std::uint32_t inSize, std::uint32_t outSize) = 0;
    virtual FT_STATUS setBaudRate(void *device, std::uint32_t baudRate) = 0;
    virtual FT_STATUS setTimeouts(void *device, std::uint32_t readMs, std::uint32_t writeMs) = 0;
    virtual FT_STATUS write(void *device, const std::uint8_t *data, std::uint32_t count, std::uint32_t *written) = 0;
    virtual FT_STATUS read(void *device, std::uint8_t *data, std::uint32_t count, std::uint32_t *returned) = 0;
    virtual FT_STATUS getBitMode(void *device, std::uint8_t *pins) = 0;
    virtual FT_STATUS close(void *device) = 0;
    // Appends this backend's device nodes, in the order it finds them.
    virtual FT_STATUS listDevices(std::vector<FT_DEVICE_LIST_INFO_NODE> &nodes) = 0;
    // The chip generation of an open device.
    virtual FT_STATUS deviceType(void *, FT_DEVICE *type)
    {
        *type = FT_DEVICE_UNKNOWN;
        return FT_OK;
    }
    // The time the device lives in, in microseconds; real devices live in
    // the monotonic clock.
    virtual std::int64_t clockMicroseconds(void *device);
    // Lines to print after the standard open-failure advice, if any.
    virtual std::vector<std::string> openFailureAdvice(FT_STATUS) const { return {}; }
};
