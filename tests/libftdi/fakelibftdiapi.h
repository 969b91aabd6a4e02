#pragma once
// A scripted stand-in for libftdi and libusb: USB devices to list, a result
// for any call by name, chunks that reads hand over, and a clock that moves
// only when a read is made.

#include "libftdiapi.h"

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <vector>

class FakeLibFtdiApi : public LibFtdiApi
{
public:
    struct FakeDevice {
        std::string serialNumber;
        int stringsResult = 0;
        int openResult = 0;
        std::uint16_t product = 0x6001;  // FT232R
        std::uint16_t release = 0x600;
        std::uint16_t vendor = 0x0403;
    };

    std::vector<FakeDevice> devices;
    bool noUsb = false;  // libusb cannot start
    // Results by call name ("setBitMode", "write", ...); "read" is what reads
    // give once the chunks are used up: 0 (nothing yet) or an error.
    std::map<std::string, int> results;
    std::deque<std::vector<std::uint8_t>> reads;
    // Every open that reached a chip: serial number and interface, e.g. "Q:2".
    std::vector<std::string> opened;
    int liveContexts = 0;
    int referencedDevices = 0;
    Clock::time_point clock{};

    Context newContext() override { return noUsb ? nullptr : (++liveContexts, this); }
    void freeContext(Context) override { --liveContexts; }
    int listDevices(Context, std::vector<UsbDevice> &list) override
    {
        for (const FakeDevice &d : devices)
            list.push_back({const_cast<FakeDevice *>(&d), d.vendor, d.product, d.release, 1, 2});
        referencedDevices += static_cast<int>(devices.size());
        return 0;
    }
    void releaseDevices(std::vector<UsbDevice> &list) override { referencedDevices -= static_cast<int>(list.size()); }
    int readStrings(Context, const UsbDevice &device, std::string &, std::string &serialNumber) override
    {
        const FakeDevice &d = *static_cast<const FakeDevice *>(device.device);
        serialNumber = d.stringsResult == 0 ? d.serialNumber : "";
        return d.stringsResult;
    }
    int open(Context, const UsbDevice &device, int interfaceIndex) override
    {
        const FakeDevice &d = *static_cast<const FakeDevice *>(device.device);
        opened.push_back(d.serialNumber + ":" + std::to_string(interfaceIndex));
        return d.openResult;
    }
    int close(Context) override { return results["close"]; }
    int setBitMode(Context, std::uint8_t, std::uint8_t) override { return results["setBitMode"]; }
    int purgeReceive(Context) override { return results["purgeReceive"]; }
    int purgeTransmit(Context) override { return results["purgeTransmit"]; }
    int setLatencyTimer(Context, std::uint8_t) override { return results["setLatencyTimer"]; }
    int setReadChunkSize(Context, unsigned) override { return results["setReadChunkSize"]; }
    int setWriteChunkSize(Context, unsigned) override { return results["setWriteChunkSize"]; }
    int setBaudRate(Context, int) override { return results["setBaudRate"]; }
    void setUsbTimeouts(Context, int, int) override {}
    int write(Context, const std::uint8_t *, int size) override { return results["write"] ? results["write"] : size; }
    int read(Context, std::uint8_t *data, int size) override
    {
        clock += std::chrono::milliseconds(10);
        if (reads.empty())
            return results["read"];
        // Like ftdi_read_data(), never more than asked for.
        const int count = std::min(size, static_cast<int>(reads.front().size()));
        std::copy_n(reads.front().begin(), count, data);
        reads.pop_front();
        return count;
    }
    int readPins(Context, std::uint8_t *) override { return 0; }
    Clock::time_point now() override { return clock; }
};
