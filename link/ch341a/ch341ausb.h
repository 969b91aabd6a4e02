#pragma once
// The few libusb-1.0 operations the CH341A bus uses, one method each, so
// that the bus can run against a model of the chip in tests. Results are
// libusb's: 0 or a count on success, a LIBUSB_ERROR code (< 0) on failure.

#include <cstdint>
#include <string>
#include <vector>

class Ch341aUsb
{
public:
    using Handle = void *;

    struct Device {
        void *device = nullptr;  // referenced until releaseDevices()
        std::uint16_t vendor = 0;
        std::uint16_t product = 0;
        std::uint8_t bus = 0;
        std::vector<std::uint8_t> ports;  // the port numbers from the root hub on
        // A simulated device goes by this name instead of a port path.
        std::string name;
        // The identity of another programmer whose socket this one shares:
        // two views of one module, which counts as one programmer where the
        // operator need not choose.
        std::string sameSocketAs;
    };

    // libusb error codes the bus tells apart.
    static constexpr int kErrorAccess = -3;    // LIBUSB_ERROR_ACCESS
    static constexpr int kErrorNoDevice = -4;  // LIBUSB_ERROR_NO_DEVICE
    static constexpr int kErrorBusy = -6;      // LIBUSB_ERROR_BUSY

    virtual ~Ch341aUsb() = default;

    // libusb_get_device_list() with each device's descriptor and port path.
    virtual int listDevices(std::vector<Device> &devices) = 0;
    virtual void releaseDevices(std::vector<Device> &devices) = 0;

    virtual int open(const Device &device, Handle &handle) = 0;  // libusb_open()
    virtual void close(Handle handle) = 0;                        // libusb_close()
    // libusb_kernel_driver_active(): 1 when a kernel driver holds the interface.
    virtual int kernelDriverActive(Handle handle, int interfaceNumber) = 0;
    virtual int detachKernelDriver(Handle handle, int interfaceNumber) = 0;
    virtual int attachKernelDriver(Handle handle, int interfaceNumber) = 0;
    virtual int claimInterface(Handle handle, int interfaceNumber) = 0;
    virtual int releaseInterface(Handle handle, int interfaceNumber) = 0;
    virtual int bulkTransfer(Handle handle, std::uint8_t endpoint, std::uint8_t *data, int length,
                             int &transferred, unsigned timeoutMs) = 0;
    // libusb_strerror()
    virtual std::string errorText(int code) = 0;

    // Microseconds on the clock the device's transfers take their time in:
    // the monotonic clock for real devices.
    virtual std::int64_t nowUs(Handle handle) = 0;
};
