#pragma once
// Real FTDI programmers through libftdi1, behind the D2XX call set.
//
// Devices are the FTDI chips with synchronous bit-bang. As D2XX does, a chip
// with several interfaces shows as one device per interface, its serial
// number followed by the interface letter ("FT12345A", "FT12345B").

#include "ftdibackend.h"
#include "libftdiapi.h"
#include "libftdistatus.h"

#include <memory>
#include <mutex>
#include <set>

class LibFtdiBackend : public FtdiBackend
{
public:
    explicit LibFtdiBackend(std::shared_ptr<LibFtdiApi> api);
    ~LibFtdiBackend() override;

    FT_STATUS open(const char *serialNumber, void **device) override;
    FT_STATUS setBitMode(void *device, std::uint8_t mask, std::uint8_t mode) override;
    FT_STATUS purge(void *device, std::uint32_t mask) override;
    FT_STATUS setLatencyTimer(void *device, std::uint8_t milliseconds) override;
    FT_STATUS setUsbParameters(void *device, std::uint32_t inSize, std::uint32_t outSize) override;
    FT_STATUS setBaudRate(void *device, std::uint32_t baudRate) override;
    FT_STATUS setTimeouts(void *device, std::uint32_t readMs, std::uint32_t writeMs) override;
    // In synchronous bit-bang the read-back of the samples is submitted
    // before they are, so that the chip's receive side is drained while the
    // write goes on and the chip never stops sampling, however long the write.
    FT_STATUS write(void *device, const std::uint8_t *data, std::uint32_t count, std::uint32_t *written) override;
    // Hands over the read-back of earlier writes first; otherwise gathers
    // exactly `count` bytes across short reads, FT_IO_ERROR when the read
    // timeout passes first.
    FT_STATUS read(void *device, std::uint8_t *data, std::uint32_t count, std::uint32_t *returned) override;
    FT_STATUS getBitMode(void *device, std::uint8_t *pins) override;
    FT_STATUS close(void *device) override;
    FT_STATUS deviceType(void *device, FT_DEVICE *type) override;
    FT_STATUS listDevices(std::vector<FT_DEVICE_LIST_INFO_NODE> &nodes) override;
    std::vector<std::string> openFailureAdvice(FT_STATUS status) const override;

private:
    struct Device;
    struct Programmer {
        FT_DEVICE_LIST_INFO_NODE node;
        std::size_t usbIndex;
        int interfaceIndex;
        int stringsResult;  // 0 when the serial number could be read
    };

    FT_STATUS scan(LibFtdiApi::Context context, std::vector<LibFtdiApi::UsbDevice> &usb,
                   std::vector<Programmer> &programmers);
    FT_STATUS openProgrammer(LibFtdiApi::Context context, const LibFtdiApi::UsbDevice &usb,
                             int interfaceIndex, void **device);
    void noteOpenFailure(libftdistatus::OpenFailure failure);
    // Waits for a submitted read-back and keeps what it brought.
    FT_STATUS finishReadBack(Device &device);
    // Waits for a submitted transfer while it moves bytes: the bytes moved,
    // or a libusb error code once it failed or stood still too long.
    int await(Device &device, LibFtdiApi::Transfer transfer);
    FT_STATUS gather(Device &device, std::uint8_t *data, std::uint32_t count, std::uint32_t &gathered);

    const std::shared_ptr<LibFtdiApi> api;
    mutable std::mutex mutex;
    std::set<Device *> openDevices;
    libftdistatus::OpenFailure lastOpenFailure = libftdistatus::OpenFailure::None;
};
