#pragma once
// A scripted stand-in for libftdi and libusb: USB devices to list, a result
// for any call by name, chunks that reads hand over, and a clock that moves
// only when a read is made or a transfer awaited. Behind it sits a model of the opened chip in
// synchronous bit-bang: its two buffers, and sampling that stops while the
// buffer towards the host is full, so that a write nobody reads back for
// stalls as on the real chip.

#include "libftdiapi.h"
#include "supportedchips.h"

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <vector>

class FakeLibFtdiApi : public LibFtdiApi
{
public:
    using Transfer_ = LibFtdiApi::Transfer;
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
    // Arguments the backend passed, by call name.
    std::map<std::string, std::vector<long>> arguments;

    // The opened chip.
    supportedchips::Buffers buffers{128, 256};
    std::deque<std::uint8_t> toChip, toHost;
    // Stalled transfers give up with LIBUSB_ERROR_TIMEOUT, as libusb does.
    static constexpr int kTimedOut = -7;

    struct Transfer {
        bool read;
        std::uint8_t *into;
        const std::uint8_t *from;
        int size;
        int done = 0;
        int failure = 0;  // what finishing it gives instead of moving bytes
    };
    std::vector<Transfer *> pending;
    // The chip stops sampling and sending samples; a wait was made without end.
    bool stalled = false;
    bool hung = false;

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
        buffers = supportedchips::buffers(supportedchips::deviceType(d.release));
        return d.openResult;
    }
    int close(Context) override { return results["close"]; }
    int setBitMode(Context, std::uint8_t, std::uint8_t) override { return results["setBitMode"]; }
    int purgeReceive(Context) override { return results["purgeReceive"]; }
    int purgeTransmit(Context) override { return results["purgeTransmit"]; }
    int setLatencyTimer(Context, std::uint8_t) override { return results["setLatencyTimer"]; }
    int setReadChunkSize(Context, unsigned size) override
    {
        arguments["setReadChunkSize"].push_back(size);
        return results["setReadChunkSize"];
    }
    int setWriteChunkSize(Context, unsigned size) override
    {
        arguments["setWriteChunkSize"].push_back(size);
        return results["setWriteChunkSize"];
    }
    int setBaudRate(Context, int rate) override
    {
        arguments["setBaudRate"].push_back(rate);
        return results["setBaudRate"];
    }
    void setUsbTimeouts(Context, int, int) override {}

    // The chip samples what it was sent while the host side has room; with
    // nothing on the lines each sample reads back as the pins were driven.
    void sample()
    {
        while (!stalled && !toChip.empty() && static_cast<int>(toHost.size()) < buffers.toHost) {
            toHost.push_back(toChip.front());
            toChip.pop_front();
        }
    }
    // Moves what can move: host data into the chip, samples to the reads
    // under way. False when nothing could.
    bool step()
    {
        bool moved = false;
        for (Transfer *t : pending) {
            if (t->read) {
                for (sample(); t->done < t->size && !toHost.empty(); moved = true) {
                    t->into[t->done++] = toHost.front();
                    toHost.pop_front();
                    sample();
                }
            } else {
                for (sample(); t->done < t->size && static_cast<int>(toChip.size()) < buffers.toChip; moved = true) {
                    toChip.push_back(t->from[t->done++]);
                    sample();
                }
            }
        }
        return moved;
    }

    int write(Context, const std::uint8_t *, int size) override { return results["write"] ? results["write"] : size; }
    Transfer_ submitRead(Context, std::uint8_t *data, int size) override
    {
        pending.push_back(new Transfer{true, data, nullptr, size});
        return pending.back();
    }
    Transfer_ submitWrite(Context, const std::uint8_t *data, int size) override
    {
        // "shortWrite": the chip takes only that many bytes of a write.
        const int taken = results["shortWrite"] ? std::min(size, results["shortWrite"]) : size;
        pending.push_back(new Transfer{false, nullptr, data, taken, 0, results["write"]});
        return pending.back();
    }
    int awaitTransfer(Transfer_ handle, int milliseconds, bool &completed) override
    {
        Transfer *t = static_cast<Transfer *>(handle);
        while (!t->failure && t->done < t->size && step()) {
        }
        clock += std::chrono::milliseconds(milliseconds);
        completed = t->failure || t->done == t->size;
        return t->failure ? t->failure : t->done;
    }
    // libftdi waits for a transfer under way with a core at full load and
    // no end: a backend that asks that of a stalled chip hangs.
    int finishTransfer(Transfer_ handle) override
    {
        Transfer *t = static_cast<Transfer *>(handle);
        hung = hung || (!t->failure && t->done < t->size);
        const int result = t->failure ? t->failure : t->done;
        cancelTransfer(handle, 0);
        return result;
    }
    void cancelTransfer(Transfer_ handle, int) override
    {
        pending.erase(std::find(pending.begin(), pending.end(), static_cast<Transfer *>(handle)));
        delete static_cast<Transfer *>(handle);
    }

    int read(Context, std::uint8_t *data, int size) override
    {
        clock += std::chrono::milliseconds(10);
        if (reads.empty() && !toHost.empty()) {
            const int count = std::min(size, static_cast<int>(toHost.size()));
            std::copy_n(toHost.begin(), count, data);
            toHost.erase(toHost.begin(), toHost.begin() + count);
            return count;
        }
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
