#include "reallibftdiapi.h"

#include <ftdi.h>
#include <libusb.h>

static_assert(LibFtdiApi::kUsbErrorAccess == LIBUSB_ERROR_ACCESS);
static_assert(LibFtdiApi::kUsbErrorBusy == LIBUSB_ERROR_BUSY);

namespace {

ftdi_context *ftdiOf(LibFtdiApi::Context context)
{
    return static_cast<ftdi_context *>(context);
}

libusb_device *usbOf(const LibFtdiApi::UsbDevice &device)
{
    return static_cast<libusb_device *>(device.device);
}

// The string descriptor, or empty when the device has none.
int readString(libusb_device_handle *handle, std::uint8_t index, std::string &text)
{
    text.clear();
    if (index == 0)
        return 0;
    unsigned char buffer[256];
    int length = libusb_get_string_descriptor_ascii(handle, index, buffer, sizeof buffer);
    if (length < 0)
        return length;
    text.assign(reinterpret_cast<const char *>(buffer), static_cast<size_t>(length));
    return 0;
}

}  // namespace

LibFtdiApi::Context RealLibFtdiApi::newContext()
{
    ftdi_context *context = ftdi_new();
    if (context)
        context->module_detach_mode = AUTO_DETACH_SIO_MODULE;
    return context;
}

void RealLibFtdiApi::freeContext(Context context)
{
    ftdi_free(ftdiOf(context));
}

int RealLibFtdiApi::listDevices(Context context, std::vector<UsbDevice> &devices)
{
    libusb_device **list = nullptr;
    ssize_t count = libusb_get_device_list(ftdiOf(context)->usb_ctx, &list);
    if (count < 0)
        return static_cast<int>(count);
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device_descriptor descriptor;
        if (libusb_get_device_descriptor(list[i], &descriptor) < 0)
            continue;
        UsbDevice device;
        device.device = libusb_ref_device(list[i]);
        device.vendor = descriptor.idVendor;
        device.product = descriptor.idProduct;
        device.release = descriptor.bcdDevice;
        device.bus = libusb_get_bus_number(list[i]);
        device.address = libusb_get_device_address(list[i]);
        devices.push_back(device);
    }
    libusb_free_device_list(list, 1);
    return 0;
}

void RealLibFtdiApi::releaseDevices(std::vector<UsbDevice> &devices)
{
    for (UsbDevice &device : devices)
        libusb_unref_device(usbOf(device));
    devices.clear();
}

int RealLibFtdiApi::readStrings(Context, const UsbDevice &device, std::string &description,
                                std::string &serialNumber)
{
    libusb_device_descriptor descriptor;
    int result = libusb_get_device_descriptor(usbOf(device), &descriptor);
    if (result < 0)
        return result;
    libusb_device_handle *handle = nullptr;
    result = libusb_open(usbOf(device), &handle);
    if (result < 0)
        return result;
    result = readString(handle, descriptor.iProduct, description);
    if (result == 0)
        result = readString(handle, descriptor.iSerialNumber, serialNumber);
    libusb_close(handle);
    return result;
}

int RealLibFtdiApi::open(Context context, const UsbDevice &device, int interfaceIndex)
{
    // Only fails for an interface libftdi does not know; -1 is a code
    // ftdi_usb_open_dev() never returns.
    if (ftdi_set_interface(ftdiOf(context), static_cast<ftdi_interface>(INTERFACE_A + interfaceIndex)) < 0)
        return -1;
    return ftdi_usb_open_dev(ftdiOf(context), usbOf(device));
}

int RealLibFtdiApi::close(Context context)
{
    return ftdi_usb_close(ftdiOf(context));
}

int RealLibFtdiApi::setBitMode(Context context, std::uint8_t mask, std::uint8_t mode)
{
    return ftdi_set_bitmode(ftdiOf(context), mask, mode);
}

int RealLibFtdiApi::purgeReceive(Context context)
{
    return ftdi_tciflush(ftdiOf(context));
}

int RealLibFtdiApi::purgeTransmit(Context context)
{
    return ftdi_tcoflush(ftdiOf(context));
}

int RealLibFtdiApi::setLatencyTimer(Context context, std::uint8_t milliseconds)
{
    return ftdi_set_latency_timer(ftdiOf(context), milliseconds);
}

int RealLibFtdiApi::setReadChunkSize(Context context, unsigned size)
{
    return ftdi_read_data_set_chunksize(ftdiOf(context), size);
}

int RealLibFtdiApi::setWriteChunkSize(Context context, unsigned size)
{
    return ftdi_write_data_set_chunksize(ftdiOf(context), size);
}

int RealLibFtdiApi::setBaudRate(Context context, int baudRate)
{
    return ftdi_set_baudrate(ftdiOf(context), baudRate);
}

void RealLibFtdiApi::setUsbTimeouts(Context context, int readMs, int writeMs)
{
    ftdiOf(context)->usb_read_timeout = readMs;
    ftdiOf(context)->usb_write_timeout = writeMs;
}

int RealLibFtdiApi::write(Context context, const std::uint8_t *data, int size)
{
    return ftdi_write_data(ftdiOf(context), data, size);
}

int RealLibFtdiApi::read(Context context, std::uint8_t *data, int size)
{
    return ftdi_read_data(ftdiOf(context), data, size);
}

LibFtdiApi::Transfer RealLibFtdiApi::submitRead(Context context, std::uint8_t *data, int size)
{
    return ftdi_read_data_submit(ftdiOf(context), data, size);
}

LibFtdiApi::Transfer RealLibFtdiApi::submitWrite(Context context, const std::uint8_t *data, int size)
{
    // libftdi does not write through the pointer; its prototype lacks const.
    return ftdi_write_data_submit(ftdiOf(context), const_cast<std::uint8_t *>(data), size);
}

int RealLibFtdiApi::awaitTransfer(Transfer transfer, int milliseconds, bool &completed)
{
    auto *control = static_cast<ftdi_transfer_control *>(transfer);
    timeval timeout{milliseconds / 1000, (milliseconds % 1000) * 1000};
    int result = 0;
    if (!control->completed)
        result = libusb_handle_events_timeout_completed(control->ftdi->usb_ctx, &timeout, &control->completed);
    completed = control->completed != 0;
    if (result < 0 && result != LIBUSB_ERROR_INTERRUPTED)
        return result;
    return control->offset;
}

int RealLibFtdiApi::finishTransfer(Transfer transfer)
{
    return ftdi_transfer_data_done(static_cast<ftdi_transfer_control *>(transfer));
}

void RealLibFtdiApi::cancelTransfer(Transfer transfer, int timeoutMs)
{
    timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ftdi_transfer_data_cancel(static_cast<ftdi_transfer_control *>(transfer), &timeout);
}

int RealLibFtdiApi::readPins(Context context, std::uint8_t *pins)
{
    return ftdi_read_pins(ftdiOf(context), pins);
}

LibFtdiApi::Clock::time_point RealLibFtdiApi::now()
{
    return Clock::now();
}
