// The port half of FtdiI2c: opening the programmer in synchronous bit-bang
// mode, the sample queue, flushing and closing.

#include "diagnostics.h"
#include "ftdii2c.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::uint8_t kLatencyMs = 2;
constexpr std::uint32_t kUsbTransferSize = 6400;
constexpr std::uint32_t kBaudRate = 9600;
constexpr std::uint32_t kTimeoutMs = 500;
constexpr int kIdleSamples = 30;

}  // namespace

void FtdiI2c::reset()
{
    std::memset(this, 0, sizeof(*this));
    sdaBit = 4;
    sdaOutput = 1;
    sclBit = 2;
    sclOutput = 1;
    rxByte = 0xFF;
    ackSample = 1;
}

bool FtdiI2c::open(const char *serialNumber)
{
    lastStatus = FT_OpenEx(const_cast<char *>(serialNumber), FT_OPEN_BY_SERIAL_NUMBER, &handle);
    if (lastStatus != FT_OK) {
        handle = nullptr;
        linkdiag::print("FT_Open(%s) failed (error %d).\n", serialNumber, static_cast<int>(lastStatus));
        linkdiag::print("Use lsmod to check if ftdi_sio (and usbserial) are present.\n");
        linkdiag::print("If so, unload them using rmmod, as they conflict with ftd2xx.\n");
        for (const std::string &line : d2xx::openFailureAdvice(lastStatus))
            linkdiag::print("%s\n", line.c_str());
        return false;
    }

    const std::uint8_t outputMask = static_cast<std::uint8_t>((sdaOutput << sdaBit) | (sclOutput << sclBit));
    const char *failedStep = configure(outputMask);
    if (failedStep) {
        if (*failedStep)
            linkdiag::print("%s failed (error %d).\n", failedStep, static_cast<int>(lastStatus));
        // Nobody else closes a port whose open failed: release the device here
        // so that the next job can open it again.
        FT_STATUS status = lastStatus;
        close();
        lastStatus = status;
        return false;
    }

    sdaLevel = 1;
    sclLevel = 1;
    queueSamples(kIdleSamples);
    return true;
}

const char *FtdiI2c::configure(std::uint8_t outputMask)
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
    if ((lastStatus = FT_SetBaudRate(handle, kBaudRate)) != FT_OK)
        return "FT_SetBaudRate";
    if ((lastStatus = FT_SetTimeouts(handle, kTimeoutMs, kTimeoutMs)) != FT_OK)
        return "";  // fails the open without a message of its own
    return nullptr;
}

std::uint8_t FtdiI2c::pinState() const
{
    return static_cast<std::uint8_t>((sdaLevel << sdaBit) | (sclLevel << sclBit));
}

void FtdiI2c::queueSamples(int count)
{
    // No bus sequence comes near the capacity; the clamp only guards the buffer.
    count = std::clamp(count, 0, kCapacity - outCount);
    std::memset(outBuffer + outCount, pinState(), static_cast<size_t>(count));
    outCount += count;
}

bool FtdiI2c::flush()
{
    std::uint32_t written = 0;
    lastStatus = FT_Write(handle, outBuffer, static_cast<std::uint32_t>(outCount), &written);
    if (lastStatus != FT_OK) {
        linkdiag::print("FT_Write failed (error %d).\n", static_cast<int>(lastStatus));
        // The samples are lost with the failed write; keeping them would let
        // the queue grow without bound while the bus layer carries on.
        outCount = 0;
        return false;
    }
    inCount = outCount;
    outCount = 0;
    if (inCount > 0) {
        std::uint32_t returned = 0;
        lastStatus = FT_Read(handle, inBuffer, static_cast<std::uint32_t>(inCount), &returned);
    }
    ackSample = 1;
    evaluateReadBack();
    inCount = 0;
    return true;
}

std::uint8_t FtdiI2c::readPins()
{
    std::uint8_t pins = 0;
    FT_GetBitMode(handle, &pins);
    return pins;
}

void FtdiI2c::close()
{
    if (!handle)
        return;
    FT_SetBitMode(handle, 0, FT_BITMODE_RESET);
    FT_Close(handle);
    handle = nullptr;
    lastStatus = 0;
}
