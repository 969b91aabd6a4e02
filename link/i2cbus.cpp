// The bus half of FtdiI2c: an I2C master made of sample runs on the two
// bit-bang lines. Counts are samples of the bit-bang clock.

#include "ftdii2c.h"
#include "timeofday.h"

namespace {

constexpr int kShort = 8;
constexpr int kLong = 16;
// Read-back positions of a received data bit: the first bit of a byte is
// flushed alone (8 + 16 samples), every later one with the previous bit's 8
// trailing SCL-low samples in front (8 + 8 + 16).
constexpr int kFirstBitSamples = 24;
constexpr int kFirstBitIndex = 9;
constexpr int kLaterBitSamples = 32;
constexpr int kLaterBitIndex = 16;
// The acknowledge is taken inside the final SCL-high run.
constexpr int kAckFromEnd = 5;

}  // namespace

void FtdiI2c::sdaRun(std::uint8_t level, int count)
{
    sdaLevel = level;
    queueSamples(count);
}

void FtdiI2c::sclRun(std::uint8_t level, int count)
{
    sclLevel = level;
    queueSamples(count);
}

void FtdiI2c::evaluateReadBack()
{
    if (sampleAck && inCount >= kAckFromEnd) {
        const std::uint8_t pins = inBuffer[inCount - kAckFromEnd];
        ackSample = sdaOf(pins);
        sclSample = sclOf(pins);
    }
    if (sampleBit) {
        if (inCount == kFirstBitSamples) {
            const std::uint8_t pins = inBuffer[kFirstBitIndex];
            sclSample = sclOf(pins);
            if (sclSample)
                shiftIn(sdaOf(pins));
        } else if (inCount == kLaterBitSamples) {
            shiftIn(sdaOf(inBuffer[kLaterBitIndex]));
        }
    }
}

void FtdiI2c::shiftIn(std::uint8_t bit)
{
    rxByte = static_cast<std::uint8_t>((rxByte << 1) | (bit & 1));
}

void FtdiI2c::beginClockWait()
{
    pollStart = linktime::now();
    sclTimedOut = 0;
}

std::uint8_t FtdiI2c::pollScl()
{
    const std::uint8_t pins = readPins();
    sclSample = sclOf(pins);
    if (linktime::elapsedMs(pollStart) >= kClockStretchLimitMs)
        sclTimedOut = 1;
    return pins;
}

void FtdiI2c::startCondition()
{
    sdaRun(0, kShort);
    sclRun(0, kShort);
}

bool FtdiI2c::stop()
{
    sdaRun(0, kLong);
    sclRun(1, kLong);
    sdaRun(1, kLong);
    sclRun(0, kShort);
    sclRun(1, kShort);
    flush();
    return true;
}

void FtdiI2c::writeBit(std::uint8_t bit)
{
    sdaRun(bit & 1, kShort);
    sclRun(1, kLong);
    sclRun(0, kShort);
    sdaRun(0, kShort);
}

std::uint8_t FtdiI2c::writeByte(std::uint8_t value)
{
    for (int bit = 7; bit >= 0; --bit)
        writeBit((value >> bit) & 1);
    sdaRun(1, kShort);  // released for the acknowledge
    sclRun(1, kLong);
    sampleAck = 1;
    flush();
    sampleAck = 0;
    const std::uint8_t acknowledge = ackSample;

    beginClockWait();
    while (sclSample == 0 && sclTimedOut == 0)
        pollScl();

    sclRun(0, kShort);
    flush();
    return acknowledge;
}

std::uint8_t FtdiI2c::readByte(bool acknowledge)
{
    rxByte = 0;
    for (int bit = 0; bit < 8; ++bit) {
        sdaRun(1, kShort);
        sclRun(1, kLong);
        sampleBit = 1;
        flush();
        sampleBit = 0;

        beginClockWait();
        while (sclSample == 0) {
            if (sclTimedOut)
                break;
            const std::uint8_t pins = pollScl();
            if (sclSample) {
                shiftIn(sdaOf(pins));
                break;
            }
        }
        sclRun(0, kShort);
    }
    writeBit(acknowledge ? 0 : 1);
    flush();
    return rxByte;
}

std::uint8_t FtdiI2c::selectWrite(std::uint8_t address)
{
    startCondition();
    return writeByte(static_cast<std::uint8_t>(address * 2));
}

std::uint8_t FtdiI2c::selectRead(std::uint8_t address)
{
    startCondition();
    return writeByte(static_cast<std::uint8_t>(address * 2 + 1));
}
