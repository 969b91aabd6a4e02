#pragma once
// A scripted stand-in for libftdi and libusb: a list of USB devices, the
// result every call should give, reads that deliver prepared chunks, and a
// clock that moves only when a read is made.

#include "libftdiapi.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

class FakeLibFtdiApi : public LibFtdiApi
{
public:
    struct FakeDevice {
        std::uint16_t vendor = 0x0403;
        std::uint16_t product = 0x6001;
        std::uint16_t release = 0x600;
        std::uint8_t bus = 1;
        std::uint8_t address = 2;
        std::string description = "FT232R USB UART";
        std::string serialNumber;
        int stringsResult = 0;
        int openResult = 0;
    };

    // One answer of ftdi_read_data(): these bytes, or an error code.
    struct ReadStep {
        std::vector<std::uint8_t> bytes;
        int error = 0;
    };

    static FakeDevice programmer(const std::string &serialNumber, std::uint8_t address = 2);

    std::vector<FakeDevice> devices;
    bool noUsb = false;
    int listResult = 0;
    // Results by call name ("setBitMode", "purgeReceive", "write", ...); 0 when absent.
    std::map<std::string, int> results;
    std::deque<ReadStep> reads;  // an empty queue reads nothing
    std::chrono::milliseconds timePerRead{10};

    // Every call that reached the chip, e.g. "setBitMode(0x14,4)".
    std::vector<std::string> calls;
    int liveContexts = 0;
    int referencedDevices = 0;
    int readCalls = 0;
    Clock::time_point clock{};

    Context newContext() override;
    void freeContext(Context context) override;
    int listDevices(Context context, std::vector<UsbDevice> &list) override;
    void releaseDevices(std::vector<UsbDevice> &list) override;
    int readStrings(Context context, const UsbDevice &device, std::string &description,
                    std::string &serialNumber) override;
    int open(Context context, const UsbDevice &device, int interfaceIndex) override;
    int close(Context context) override;
    int setBitMode(Context context, std::uint8_t mask, std::uint8_t mode) override;
    int purgeReceive(Context context) override;
    int purgeTransmit(Context context) override;
    int setLatencyTimer(Context context, std::uint8_t milliseconds) override;
    int setReadChunkSize(Context context, unsigned size) override;
    int setWriteChunkSize(Context context, unsigned size) override;
    int setBaudRate(Context context, int baudRate) override;
    void setUsbTimeouts(Context context, int readMs, int writeMs) override;
    int write(Context context, const std::uint8_t *data, int size) override;
    int read(Context context, std::uint8_t *data, int size) override;
    int readPins(Context context, std::uint8_t *pins) override;
    Clock::time_point now() override;

private:
    struct FakeContext {
        const FakeDevice *opened = nullptr;
    };
    int answer(const std::string &call, const std::string &record);
};
