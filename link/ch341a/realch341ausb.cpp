#include "realch341ausb.h"

#include <libusb.h>

#include <chrono>

static_assert(Ch341aUsb::kErrorAccess == LIBUSB_ERROR_ACCESS);
static_assert(Ch341aUsb::kErrorNoDevice == LIBUSB_ERROR_NO_DEVICE);
static_assert(Ch341aUsb::kErrorBusy == LIBUSB_ERROR_BUSY);

namespace {

libusb_device_handle *handleOf(Ch341aUsb::Handle handle)
{
    return static_cast<libusb_device_handle *>(handle);
}

}  // namespace

RealCh341aUsb::RealCh341aUsb()
{
    initResult = libusb_init(&context);
    if (initResult < 0)
        context = nullptr;
}

RealCh341aUsb::~RealCh341aUsb()
{
    if (context)
        libusb_exit(context);
}

int RealCh341aUsb::listDevices(std::vector<Device> &devices)
{
    if (!context)
        return initResult;
    libusb_device **list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    if (count < 0)
        return static_cast<int>(count);
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device_descriptor descriptor;
        if (libusb_get_device_descriptor(list[i], &descriptor) < 0)
            continue;
        Device device;
        device.device = libusb_ref_device(list[i]);
        device.vendor = descriptor.idVendor;
        device.product = descriptor.idProduct;
        device.bus = libusb_get_bus_number(list[i]);
        std::uint8_t ports[8];
        const int depth = libusb_get_port_numbers(list[i], ports, sizeof ports);
        if (depth > 0)
            device.ports.assign(ports, ports + depth);
        devices.push_back(device);
    }
    libusb_free_device_list(list, 1);
    return 0;
}

void RealCh341aUsb::releaseDevices(std::vector<Device> &devices)
{
    for (Device &device : devices)
        libusb_unref_device(static_cast<libusb_device *>(device.device));
    devices.clear();
}

int RealCh341aUsb::open(const Device &device, Handle &handle)
{
    libusb_device_handle *opened = nullptr;
    const int result = libusb_open(static_cast<libusb_device *>(device.device), &opened);
    if (result == 0)
        handle = opened;
    return result;
}

void RealCh341aUsb::close(Handle handle)
{
    libusb_close(handleOf(handle));
}

int RealCh341aUsb::kernelDriverActive(Handle handle, int interfaceNumber)
{
    return libusb_kernel_driver_active(handleOf(handle), interfaceNumber);
}

int RealCh341aUsb::detachKernelDriver(Handle handle, int interfaceNumber)
{
    return libusb_detach_kernel_driver(handleOf(handle), interfaceNumber);
}

int RealCh341aUsb::attachKernelDriver(Handle handle, int interfaceNumber)
{
    return libusb_attach_kernel_driver(handleOf(handle), interfaceNumber);
}

int RealCh341aUsb::claimInterface(Handle handle, int interfaceNumber)
{
    return libusb_claim_interface(handleOf(handle), interfaceNumber);
}

int RealCh341aUsb::releaseInterface(Handle handle, int interfaceNumber)
{
    return libusb_release_interface(handleOf(handle), interfaceNumber);
}

int RealCh341aUsb::bulkTransfer(Handle handle, std::uint8_t endpoint, std::uint8_t *data, int length,
                                int &transferred, unsigned timeoutMs)
{
    transferred = 0;
    return libusb_bulk_transfer(handleOf(handle), endpoint, data, length, &transferred, timeoutMs);
}

std::string RealCh341aUsb::errorText(int code)
{
    return libusb_strerror(code);
}

std::int64_t RealCh341aUsb::nowUs(Handle)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
