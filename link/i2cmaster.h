#pragma once
// An I2C bus master made of sample runs on the two bit-bang lines of a
// BitBangPort. Every bus event is a run of identical pin states; counts are
// samples of the bit-bang clock.
//
// Two exchanges with the chip produce the same samples:
// - per flush: each acknowledge and each received bit is flushed and read
//   back on its own, and a module holding SCL low is waited for by reading
//   the pins;
// - batched: samples are queued until a decision needs the read-back (the
//   acknowledge of a selection, or the end of a transfer), then sent in one
//   flush; acknowledges and data bits are taken afterwards from the samples
//   at the same positions. A module that held SCL low meanwhile makes the
//   batch worthless: `stretched()` says so and the caller repeats the
//   transfer per flush.

#include "bitbangport.h"

#include <cstdint>
#include <vector>

class I2cMaster
{
public:
    enum class Exchange { PerFlush, Batched };

    static constexpr std::int64_t kClockStretchLimitUs = 100000;

    I2cMaster(BitBangPort &port, Exchange exchange) : port(port), mode(exchange) {}

    Exchange exchange() const { return mode; }
    void setExchange(Exchange exchange) { mode = exchange; }

    void startCondition();
    // Ends the transaction; flushes in the per-flush exchange.
    void stop();
    void writeBit(std::uint8_t bit);
    // The acknowledge (0 acknowledged, 1 not) goes to *ack: at once per
    // flush, at the next sync() when batched.
    void writeByte(std::uint8_t value, std::uint8_t *ack);
    // The received byte goes to *byte likewise; an acknowledge is sent after
    // it when asked (the last byte of a read gets none).
    void readByte(bool acknowledge, std::uint8_t *byte);
    // A selection decides what follows, so it returns its acknowledge at
    // once in both exchanges.
    std::uint8_t selectWrite(std::uint8_t address);
    std::uint8_t selectRead(std::uint8_t address);
    // Sends what the batched exchange has queued and delivers its results.
    void sync();
    // Forgets where the queued results were to go, for a caller that gives
    // up on them; the samples themselves still go out with the next flush.
    void dropResults();
    // Frees a bus that a module may still hold: SDA released, up to nine
    // clock pulses until the module lets SDA go, then a stop. Per flush.
    void recoverBus();

    // A flush or a pin read failed; the port's failure() says why.
    bool failed() const { return portFailed; }
    // A batch showed SCL low where the master had released it.
    bool stretched() const { return sclHeld; }
    void clearStretched() { sclHeld = false; }

    // Bus state of the per-flush exchange.
    std::uint8_t sclSample = 0;
    std::uint8_t sampleBit = 0;
    std::uint8_t rxByte = 0xFF;
    std::uint8_t sampleAck = 0;
    std::uint8_t ackSample = 1;
    std::int64_t pollStartUs = 0;
    std::uint8_t sclTimedOut = 0;

private:
    // A read-back sample the batched exchange takes a result from.
    struct Probe {
        enum Kind { Acknowledge, DataBit, SclHigh } kind;
        int position;
        std::uint8_t *target;
    };

    bool batched() const { return mode == Exchange::Batched; }
    void sdaRun(std::uint8_t level, int count);
    void sclRun(std::uint8_t level, int count);
    void flushAndEvaluate();
    void evaluateReadBack();
    void evaluateProbes();
    void beginClockWait();
    std::uint8_t pollScl();
    void shiftIn(std::uint8_t bit);

    BitBangPort &port;
    Exchange mode;
    std::vector<Probe> probes;
    bool portFailed = false;
    bool sclHeld = false;
};
