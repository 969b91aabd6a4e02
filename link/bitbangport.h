#pragma once
// The FTDI chip of a programmer in synchronous bit-bang mode, with SDA on pin
// D4 and SCL on pin D2: a queue of pin states that a flush writes to the chip,
// reading back one sample of the pins per state written.
//
// Every failure of the chip or its driver ends what is in flight: a flush
// that fails returns no samples at all, so that nothing read back by an
// earlier flush can ever be taken for an answer of the module.

#include "d2xx.h"

#include <cstdint>
#include <string>
#include <vector>

class BitBangPort
{
public:
    // Compatible: the driver settings of the original tool, 9600 baud and
    // flushes of at most 10000 samples. Fast: a sample clock of 500 kHz
    // and flushes as long as a whole transfer.
    enum class Speed { Compatible, Fast };

    static constexpr int kCompatibleCapacity = 10000;
    static constexpr int kFastCapacity = 1 << 20;

    BitBangPort() = default;
    ~BitBangPort() { close(); }
    BitBangPort(const BitBangPort &) = delete;
    BitBangPort &operator=(const BitBangPort &) = delete;

    bool open(const char *serialNumber, Speed speed);
    void close();
    bool isOpen() const { return handle != nullptr; }

    // Appends `count` copies of the present pin state.
    void queueSamples(int count);
    // Writes the queue and reads back as many samples; empties the queue.
    // On failure nothing is read back (inCount 0) and `failure()` says why.
    // Fast, the last state is repeated up to a whole USB packet.
    bool flush();
    // The present level of all eight pins.
    bool readPins(std::uint8_t &pins);
    // Makes the SDA and SCL pins outputs or inputs as sdaOutput and
    // sclOutput say, drives the levels set, and reads all pins back once
    // the lines have settled.
    bool setPins(std::uint8_t &pins);

    // Microseconds on the programmer's clock.
    std::int64_t nowUs() const { return d2xx::clockMicroseconds(handle); }
    double sampleClockHz() const { return sampleClock; }
    int capacity() const { return static_cast<int>(outBuffer.size()); }
    const std::string &failure() const { return lastFailure; }

    std::uint8_t sdaOf(std::uint8_t pins) const { return (pins >> sdaBit) & 1; }
    std::uint8_t sclOf(std::uint8_t pins) const { return (pins >> sclBit) & 1; }

    // Pin assignment and the levels the queued samples put on the lines.
    std::uint8_t sdaBit = 4;
    std::uint8_t sdaLevel = 0;
    std::uint8_t sdaOutput = 1;
    std::uint8_t sclBit = 2;
    std::uint8_t sclLevel = 0;
    std::uint8_t sclOutput = 1;

    FT_HANDLE handle = nullptr;
    FT_STATUS lastStatus = FT_OK;
    std::vector<std::uint8_t> outBuffer;
    int outCount = 0;
    std::vector<std::uint8_t> inBuffer;
    int inCount = 0;

private:
    // The configuration steps after the open; the name of the failing call,
    // "" for a failure without a message, or null when all succeeded.
    const char *configure(std::uint8_t outputMask, std::uint32_t baudRate);
    std::uint8_t pinState() const;
    bool fail(const char *call);

    double sampleClock = 0;
    // Fast: flushes are padded to whole USB packets of read-back, so that
    // none waits for the chip's latency timer.
    int packetSamples = 0;
    std::string lastFailure;
};
