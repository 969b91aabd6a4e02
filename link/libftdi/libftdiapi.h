#pragma once
// The few libftdi1 and libusb operations the libftdi backend uses, one method
// each, so that the backend's own logic can run against a fake in tests.
// Results are the libraries' raw return codes; turning them into D2XX
// statuses is the backend's job.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class LibFtdiApi
{
public:
    using Clock = std::chrono::steady_clock;
    // A libftdi context with its own libusb session.
    using Context = void *;
    // A referenced libusb device of the context that listed it.
    using Device = void *;

    struct UsbDevice {
        Device device = nullptr;
        std::uint16_t vendor = 0;
        std::uint16_t product = 0;
        std::uint16_t release = 0;  // bcdDevice: tells the chip generations apart
        std::uint8_t bus = 0;
        std::uint8_t address = 0;
    };

    // libusb error codes the backend tells apart.
    static constexpr int kUsbErrorAccess = -3;  // LIBUSB_ERROR_ACCESS
    static constexpr int kUsbErrorBusy = -6;    // LIBUSB_ERROR_BUSY

    // ftdi_usb_open_dev() results.
    static constexpr int kOpenConfigurationFailed = -3;  // a kernel driver still holds the device
    static constexpr int kOpenUsbOpenFailed = -4;
    static constexpr int kOpenClaimFailed = -5;
    static constexpr int kOpenPermissionDenied = -8;

    virtual ~LibFtdiApi() = default;

    // ftdi_new(); null when libusb cannot start (no USB subsystem at all).
    virtual Context newContext() = 0;
    // ftdi_free(): closes an open device too.
    virtual void freeContext(Context context) = 0;

    // libusb_get_device_list() with every device's descriptor; the devices
    // stay referenced until releaseDevices(). A libusb error code (< 0) on failure.
    virtual int listDevices(Context context, std::vector<UsbDevice> &devices) = 0;
    virtual void releaseDevices(std::vector<UsbDevice> &devices) = 0;
    // libusb_open() and the product and serial number string descriptors;
    // 0 or the libusb error code.
    virtual int readStrings(Context context, const UsbDevice &device, std::string &description,
                            std::string &serialNumber) = 0;

    // ftdi_set_interface() (0 for A) and ftdi_usb_open_dev(), which detaches
    // the kernel's serial driver from the interface.
    virtual int open(Context context, const UsbDevice &device, int interfaceIndex) = 0;
    // ftdi_usb_close()
    virtual int close(Context context) = 0;

    virtual int setBitMode(Context context, std::uint8_t mask, std::uint8_t mode) = 0;  // ftdi_set_bitmode()
    virtual int purgeReceive(Context context) = 0;                                      // ftdi_tciflush()
    virtual int purgeTransmit(Context context) = 0;                                     // ftdi_tcoflush()
    virtual int setLatencyTimer(Context context, std::uint8_t milliseconds) = 0;       // ftdi_set_latency_timer()
    virtual int setReadChunkSize(Context context, unsigned size) = 0;    // ftdi_read_data_set_chunksize()
    virtual int setWriteChunkSize(Context context, unsigned size) = 0;   // ftdi_write_data_set_chunksize()
    virtual int setBaudRate(Context context, int baudRate) = 0;          // ftdi_set_baudrate()
    // The context's USB transfer timeouts (libftdi has no call for them).
    virtual void setUsbTimeouts(Context context, int readMs, int writeMs) = 0;
    virtual int write(Context context, const std::uint8_t *data, int size) = 0;  // ftdi_write_data()
    virtual int read(Context context, std::uint8_t *data, int size) = 0;         // ftdi_read_data()

    // Asynchronous transfers: a read submitted before a write keeps the
    // chip's receive side drained while the write goes out.
    using Transfer = void *;  // ftdi_transfer_control
    virtual Transfer submitRead(Context context, std::uint8_t *data, int size) = 0;         // ftdi_read_data_submit()
    virtual Transfer submitWrite(Context context, const std::uint8_t *data, int size) = 0;  // ftdi_write_data_submit()
    // Handles USB events for up to `milliseconds`, less once the transfer
    // completes: the bytes it has moved so far, or < 0 for an error.
    virtual int awaitTransfer(Transfer transfer, int milliseconds, bool &completed) = 0;
    // ftdi_transfer_data_done() on a completed transfer: the bytes moved,
    // or < 0. On one still under way it would wait without end. The
    // transfer is gone afterwards.
    virtual int finishTransfer(Transfer transfer) = 0;
    // ftdi_transfer_data_cancel(): the transfer is gone afterwards.
    virtual void cancelTransfer(Transfer transfer, int timeoutMs) = 0;
    virtual int readPins(Context context, std::uint8_t *pins) = 0;               // ftdi_read_pins()

    // The clock that read timeouts are measured with.
    virtual Clock::time_point now() = 0;
};
