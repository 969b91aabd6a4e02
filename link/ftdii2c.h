#pragma once
// One job's programmer port: the FTDI chip in synchronous bit-bang mode with
// SDA on pin D4 and SCL on pin D2, and the I2C bus master built on it.
//
// Every bus event is a run of identical pin-state samples in the queue; a
// flush writes the queue and reads back one pin sample per byte written, from
// which acknowledge and data bits are taken.

#include "d2xx.h"

#include <cstdint>

struct FtdiI2c {
    static constexpr int kCapacity = 10000;
    static constexpr double kClockStretchLimitMs = 100.0;

    struct TimeOfDay {
        std::int32_t seconds;
        std::int32_t microseconds;
    };

    // Port
    std::uint8_t sdaBit;
    std::uint8_t sdaLevel;
    std::uint8_t sdaOutput;
    std::uint8_t sclBit;
    std::uint8_t sclLevel;
    std::uint8_t sclOutput;
    FT_HANDLE handle;
    FT_STATUS lastStatus;
    std::uint8_t outBuffer[kCapacity];
    std::int32_t outCount;
    std::uint8_t inBuffer[kCapacity];
    std::int32_t inCount;

    // Bus
    std::uint8_t sclSample;
    std::uint8_t sampleBit;
    std::uint8_t rxByte;
    std::uint8_t sampleAck;
    std::uint8_t ackSample;
    TimeOfDay pollStart;
    std::uint8_t sclTimedOut;

    // The state a job starts from: everything zero, the pin assignment set.
    void reset();

    // Port operations
    bool open(const char *serialNumber);
    void queueSamples(int count);
    bool flush();
    std::uint8_t readPins();
    void close();
    bool isOpen() const { return handle != nullptr; }

    // Bus operations; the uint8_t results are acknowledges: 0 acknowledged, 1 not.
    void startCondition();
    bool stop();
    void writeBit(std::uint8_t bit);
    std::uint8_t writeByte(std::uint8_t value);
    std::uint8_t readByte(bool acknowledge);
    std::uint8_t selectWrite(std::uint8_t address);
    std::uint8_t selectRead(std::uint8_t address);
    std::uint8_t pollScl();

private:
    // Steps 2 to 8 of opening; the name of the failing call, "" for a failure
    // without a message, or null when all succeeded.
    const char *configure(std::uint8_t outputMask);
    std::uint8_t pinState() const;
    void sdaRun(std::uint8_t level, int count);
    void sclRun(std::uint8_t level, int count);
    void evaluateReadBack();
    void beginClockWait();
    void shiftIn(std::uint8_t bit);
    std::uint8_t sdaOf(std::uint8_t pins) const { return (pins >> sdaBit) & 1; }
    std::uint8_t sclOf(std::uint8_t pins) const { return (pins >> sclBit) & 1; }
};
