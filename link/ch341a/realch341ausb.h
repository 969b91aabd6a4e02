#pragma once
// Ch341aUsb on the real libusb-1.0, with a libusb context of its own.

#include "ch341ausb.h"

struct libusb_context;

class RealCh341aUsb : public Ch341aUsb
{
public:
    RealCh341aUsb();
    ~RealCh341aUsb() override;
    RealCh341aUsb(const RealCh341aUsb &) = delete;
    RealCh341aUsb &operator=(const RealCh341aUsb &) = delete;

    int listDevices(std::vector<Device> &devices) override;
    void releaseDevices(std::vector<Device> &devices) override;
    int open(const Device &device, Handle &handle) override;
    void close(Handle handle) override;
    int kernelDriverActive(Handle handle, int interfaceNumber) override;
    int detachKernelDriver(Handle handle, int interfaceNumber) override;
    int attachKernelDriver(Handle handle, int interfaceNumber) override;
    int claimInterface(Handle handle, int interfaceNumber) override;
    int releaseInterface(Handle handle, int interfaceNumber) override;
    int bulkTransfer(Handle handle, std::uint8_t endpoint, std::uint8_t *data, int length, int &transferred,
                     unsigned timeoutMs) override;
    std::string errorText(int code) override;
    std::int64_t nowUs(Handle handle) override;

private:
    libusb_context *context = nullptr;
    int initResult = 0;
};
