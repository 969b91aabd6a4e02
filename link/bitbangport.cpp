#include "bitbangport.h"

#include "diagnostics.h"
#include "sampleclock.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t kLatencyMs = 2;
constexpr std::uint32_t kUsbTransferSize = 6400;
constexpr std::uint32_t kTimeoutMs = 500;
constexpr int kIdleSamples = 30;
constexpr int kSettleSamples = 8;

}  // namespace

bool BitBangPort::open(const char *serialNumber, Speed speed)
{
    lastFailure.clear();
    lastStatus = FT_OpenEx(const_cast<char *>(serialNumber), FT_OPEN_BY_SERIAL_NUMBER, &handle);
    if (lastStatus != FT_OK) {
        handle = nullptr;
        linkdiag::print("FT_Open(%s) failed (error %d).\n", serialNumber, static_cast<int>(lastStatus));
        linkdiag::print("Use lsmod to check if ftdi_sio (and usbserial) are present.\n");
        linkdiag::print("If so, unload them using rmmod, as they conflict with ftd2xx.\n");
        for (const std::string &line : d2xx::openFailureAdvice(lastStatus))
            linkdiag::print("%s\n", line.c_str());
        lastFailure = "FT_OpenEx: " + d2xx::statusText(lastStatus);
        return false;
    }

    FT_DEVICE type = FT_DEVICE_UNKNOWN;
    if (speed == Speed::Fast && FT_GetDeviceInfo(handle, &type, nullptr, nullptr, nullptr, nullptr) != FT_OK)
        type = FT_DEVICE_UNKNOWN;
    const std::uint32_t baudRate =
        speed == Speed::Fast ? sampleclock::fastBaudRate(type) : sampleclock::kCompatibleBaudRate;
    sampleClock = sampleclock::samplesPerSecond(type, baudRate);
    packetSamples = speed == Speed::Fast ? sampleclock::samplesPerPacket(type) : 0;

    const std::uint8_t outputMask = static_cast<std::uint8_t>((sdaOutput << sdaBit) | (sclOutput << sclBit));
    if (const char *failedStep = configure(outputMask, baudRate)) {
        if (*failedStep)
            linkdiag::print("%s failed (error %d).\n", failedStep, static_cast<int>(lastStatus));
        lastFailure = std::string(*failedStep ? failedStep : "FT_SetTimeouts") + ": " + d2xx::statusText(lastStatus);
        // Nobody else closes a port whose open failed: release the device
        // here so that the next job can open it again.
        const FT_STATUS status = lastStatus;
        close();
        lastStatus = status;
        return false;
    }

    const int capacity = speed == Speed::Fast ? kFastCapacity : kCompatibleCapacity;
    outBuffer.assign(static_cast<size_t>(capacity), 0);
    inBuffer.assign(static_cast<size_t>(capacity), 0);
    outCount = inCount = 0;
    sdaLevel = 1;
    sclLevel = 1;
    queueSamples(kIdleSamples);
    return true;
}

const char *BitBangPort::configure(std::uint8_t outputMask, std::uint32_t baudRate)
{
    if ((lastStatus = FT_SetBitMode(handle, 0, FT_BITMODE_RESET)) != FT_OK)
        return "FT_SetBitMode";
    if ((lastStatus = FT_SetBitMode(handle, outputMask, FT_BITMODE_SYNC_BITBANG)) != FT_OK)
        return "FT_SetBitMode";
    if ((lastStatus = FT_Purge(handle, FT_PURGE_RX | FT_PURGE_TX)) != FT_OK)
        return "FT_Purge";
    if ((lastStatus = FT_SetLatencyTimer(handle, kLatencyMs)) != FT_OK)
        return "FT_SetLatencyTimer";
    if ((lastStatus = FT_SetUSBParameters(handle, kUsbTransferSize, kUsbTransferSize)) != FT_OK)
        return "FT_SetUSBParameters";
    if ((lastStatus = FT_SetBaudRate(handle, baudRate)) != FT_OK)
        return "FT_SetBaudRate";
    if ((lastStatus = FT_SetTimeouts(handle, kTimeoutMs, kTimeoutMs)) != FT_OK)
        return "";  // fails the open without a message of its own
    return nullptr;
}

std::uint8_t BitBangPort::pinState() const
{
    return static_cast<std::uint8_t>((sdaLevel << sdaBit) | (sclLevel << sclBit));
}

void BitBangPort::queueSamples(int count)
{
    // No bus sequence comes near the capacity; the clamp only guards the buffer.
    count = std::clamp(count, 0, capacity() - outCount);
    std::memset(outBuffer.data() + outCount, pinState(), static_cast<size_t>(count));
    outCount += count;
}

bool BitBangPort::fail(const char *call)
{
    linkdiag::print("%s failed (error %d).\n", call, static_cast<int>(lastStatus));
    lastFailure = std::string(call) + ": " + d2xx::statusText(lastStatus);
    inCount = 0;
    return false;
}

bool BitBangPort::flush()
{
    if (packetSamples > 0 && outCount % packetSamples != 0)
        queueSamples(packetSamples - outCount % packetSamples);
    const int count = outCount;
    // The samples go with the write, whether it works or not: keeping them
    // would let the queue grow without bound.
    outCount = 0;
    inCount = 0;
    std::uint32_t written = 0;
    lastStatus = FT_Write(handle, outBuffer.data(), static_cast<std::uint32_t>(count), &written);
    if (lastStatus == FT_OK && written != static_cast<std::uint32_t>(count))
        lastStatus = FT_IO_ERROR;
    if (lastStatus != FT_OK)
        return fail("FT_Write");
    if (count == 0)
        return true;
    std::uint32_t returned = 0;
    lastStatus = FT_Read(handle, inBuffer.data(), static_cast<std::uint32_t>(count), &returned);
    if (lastStatus == FT_OK && returned != static_cast<std::uint32_t>(count))
        lastStatus = FT_IO_ERROR;
    if (lastStatus != FT_OK)
        return fail("FT_Read");
    inCount = count;
    return true;
}

bool BitBangPort::readPins(std::uint8_t &pins)
{
    pins = 0;
    lastStatus = FT_GetBitMode(handle, &pins);
    if (lastStatus != FT_OK)
        return fail("FT_GetBitMode");
    return true;
}

bool BitBangPort::setPins(std::uint8_t &pins)
{
    const std::uint8_t outputMask = static_cast<std::uint8_t>((sdaOutput << sdaBit) | (sclOutput << sclBit));
    lastStatus = FT_SetBitMode(handle, outputMask, FT_BITMODE_SYNC_BITBANG);
    if (lastStatus != FT_OK)
        return fail("FT_SetBitMode");
    queueSamples(kSettleSamples);
    return flush() && readPins(pins);
}

void BitBangPort::close()
{
    if (!handle)
        return;
    FT_SetBitMode(handle, 0, FT_BITMODE_RESET);
    FT_Close(handle);
    handle = nullptr;
    lastStatus = FT_OK;
}
