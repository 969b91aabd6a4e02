#include "fakelibftdiapi.h"

#include <algorithm>
#include <cstdio>

FakeLibFtdiApi::FakeDevice FakeLibFtdiApi::programmer(const std::string &serialNumber, std::uint8_t address)
{
    FakeDevice device;
    device.serialNumber = serialNumber;
    device.address = address;
    return device;
}

int FakeLibFtdiApi::answer(const std::string &call, const std::string &record)
{
    calls.push_back(record);
    auto it = results.find(call);
    return it == results.end() ? 0 : it->second;
}

LibFtdiApi::Context FakeLibFtdiApi::newContext()
{
    if (noUsb)
        return nullptr;
    ++liveContexts;
    return new FakeContext;
}

void FakeLibFtdiApi::freeContext(Context context)
{
    --liveContexts;
    delete static_cast<FakeContext *>(context);
}

int FakeLibFtdiApi::listDevices(Context, std::vector<UsbDevice> &list)
{
    if (listResult < 0)
        return listResult;
    for (const FakeDevice &fake : devices) {
        UsbDevice device;
        device.device = const_cast<FakeDevice *>(&fake);
        device.vendor = fake.vendor;
        device.product = fake.product;
        device.release = fake.release;
        device.bus = fake.bus;
        device.address = fake.address;
        list.push_back(device);
        ++referencedDevices;
    }
    return 0;
}

void FakeLibFtdiApi::releaseDevices(std::vector<UsbDevice> &list)
{
    referencedDevices -= static_cast<int>(list.size());
    list.clear();
}

int FakeLibFtdiApi::readStrings(Context, const UsbDevice &device, std::string &description,
                                std::string &serialNumber)
{
    const FakeDevice *fake = static_cast<const FakeDevice *>(device.device);
    if (fake->stringsResult != 0)
        return fake->stringsResult;
    description = fake->description;
    serialNumber = fake->serialNumber;
    return 0;
}

int FakeLibFtdiApi::open(Context context, const UsbDevice &device, int interfaceIndex)
{
    const FakeDevice *fake = static_cast<const FakeDevice *>(device.device);
    calls.push_back("open(" + fake->serialNumber + "," + std::to_string(interfaceIndex) + ")");
    if (fake->openResult == 0)
        static_cast<FakeContext *>(context)->opened = fake;
    return fake->openResult;
}

int FakeLibFtdiApi::close(Context context)
{
    static_cast<FakeContext *>(context)->opened = nullptr;
    return answer("close", "close");
}

int FakeLibFtdiApi::setBitMode(Context, std::uint8_t mask, std::uint8_t mode)
{
    char record[40];
    std::snprintf(record, sizeof record, "setBitMode(0x%02x,%u)", unsigned{mask}, unsigned{mode});
    return answer("setBitMode", record);
}

int FakeLibFtdiApi::purgeReceive(Context)
{
    return answer("purgeReceive", "purgeReceive");
}

int FakeLibFtdiApi::purgeTransmit(Context)
{
    return answer("purgeTransmit", "purgeTransmit");
}

int FakeLibFtdiApi::setLatencyTimer(Context, std::uint8_t milliseconds)
{
    return answer("setLatencyTimer", "setLatencyTimer(" + std::to_string(milliseconds) + ")");
}

int FakeLibFtdiApi::setReadChunkSize(Context, unsigned size)
{
    return answer("setReadChunkSize", "setReadChunkSize(" + std::to_string(size) + ")");
}

int FakeLibFtdiApi::setWriteChunkSize(Context, unsigned size)
{
    return answer("setWriteChunkSize", "setWriteChunkSize(" + std::to_string(size) + ")");
}

int FakeLibFtdiApi::setBaudRate(Context, int baudRate)
{
    return answer("setBaudRate", "setBaudRate(" + std::to_string(baudRate) + ")");
}

void FakeLibFtdiApi::setUsbTimeouts(Context, int readMs, int writeMs)
{
    calls.push_back("setUsbTimeouts(" + std::to_string(readMs) + "," + std::to_string(writeMs) + ")");
}

int FakeLibFtdiApi::write(Context, const std::uint8_t *, int size)
{
    const int result = answer("write", "write(" + std::to_string(size) + ")");
    return result < 0 ? result : size;
}

int FakeLibFtdiApi::read(Context, std::uint8_t *data, int size)
{
    ++readCalls;
    clock += timePerRead;
    if (reads.empty())
        return 0;
    ReadStep step = reads.front();
    reads.pop_front();
    if (step.error < 0)
        return step.error;
    // Like ftdi_read_data(), never more than asked for; the rest stays queued.
    const int count = std::min(size, static_cast<int>(step.bytes.size()));
    std::copy_n(step.bytes.begin(), count, data);
    if (count < static_cast<int>(step.bytes.size()))
        reads.push_front({std::vector<std::uint8_t>(step.bytes.begin() + count, step.bytes.end()), 0});
    return count;
}

int FakeLibFtdiApi::readPins(Context, std::uint8_t *pins)
{
    *pins = 0x14;
    return answer("readPins", "readPins");
}

LibFtdiApi::Clock::time_point FakeLibFtdiApi::now()
{
    return clock;
}
