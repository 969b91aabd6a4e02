#pragma once
// An I2C bus master made of sample runs on the two bit-bang lines of a
// BitBangPort. Every bus event is a run of identical pin states; counts are
// samples of the bit-bang clock, and a Timing says how long each run is.
//
// Two exchanges with the chip produce the same samples from the same runs:
// - per flush: each acknowledge and each received bit is flushed and read
//   back on its own, and a module holding SCL low there is waited for by
//   reading the pins;
// - batched: samples are queued until a decision needs the read-back (the
//   acknowledge of a selection, or the end of a transfer), then sent in one
//   flush; acknowledges and data bits are taken afterwards from the samples
//   at the same positions.
// A module may hold SCL low in any low phase. Every high phase the master
// releases SCL for is checked in the read-back; where the exchange did not
// wait for it (anywhere in a batch, the bits the master sends per flush),
// a low SCL there spoils what was sent: `stretched()` says so, and the
// caller frees the bus and repeats the transfer more carefully, per flush
// and then waiting for every clock.
//
// Every value is taken while SCL is high, at the first sample of its high
// phase: SDA is only valid then.

#include "bitbangport.h"

#include <cstdint>
#include <vector>

class I2cMaster
{
public:
    enum class Exchange { PerFlush, Batched };

    // The runs of samples that make the bus events. A data bit is set up
    // while SCL is low, held while SCL is high, and kept for `dataHold`
    // after SCL falls; SDA never changes while SCL is high except for a
    // start or a stop.
    struct Timing {
        int startHold;   // SDA low with SCL high: the start, before SCL falls
        int startLow;    // SCL low after the start, before the first bit's level
        int dataSetup;   // SDA at the bit's level with SCL low, before SCL rises
        int clockHigh;   // SCL high; at least 2, the sample is taken at its first
        int dataHold;    // SCL low with SDA still at the bit's level
        int bitTail;     // SDA driven low with SCL low after each bit the master sends
        int stopLow;     // SDA low with SCL low before the stop
        int stopHigh;    // SCL high with SDA low: the stop's set-up
        int busFree;     // both lines high after the stop
        int pulseLow;    // an idle clock pulse after the stop (0: none)
        int pulseHigh;
    };
    // The runs of the original tool: the compatible exchange keeps them.
    static const Timing kToolTiming;
    // Standard-mode I2C with one and a half times every minimum at the fast
    // exchange's sample clock of 500 kHz (2 us a sample): SCL low 8 us
    // (tLOW 4.7 us), high 6 us (tHIGH 4.0), a start held 6 us (tHD;STA 4.0),
    // a stop set up 6 us (tSU;STO 4.0), the bus free 8 us (tBUF 4.7), data
    // set up 4 us (250 ns): a bit in 7 samples, SCL at 71 kHz, as near to
    // 100 kHz as those margins allow.
    static const Timing kFastTiming;

    static constexpr std::int64_t kClockStretchLimitUs = 100000;

    I2cMaster(BitBangPort &port, Exchange exchange, const Timing &timing = kToolTiming)
        : port(port), mode(exchange), runs(timing)
    {
    }

    Exchange exchange() const { return mode; }
    void setExchange(Exchange exchange) { mode = exchange; }
    const Timing &timing() const { return runs; }
    // Per flush, flushes at every high phase the master releases SCL for and
    // waits there while a module holds it: for a module that stretches
    // within bytes the master sends.
    void setWaitForEveryClock(bool wait) { everyClock = wait; }
    bool waitsForEveryClock() const { return everyClock; }
    // A fresh start for a newly opened port.
    void reset(Exchange exchange);

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
    // clock pulses until the module lets SDA go, then a start and a stop,
    // which also abandon a page the module was taking. Per flush.
    void recoverBus();

    // A flush or a pin read failed; the port's failure() says why. Nothing
    // more is sent to the chip after that.
    bool failed() const { return portFailed; }
    // A high phase the master did not wait for showed SCL low.
    bool stretched() const { return sclHeld; }
    void clearStretched() { sclHeld = false; }

    // SCL as last sampled, and whether the wait for it ran out.
    std::uint8_t sclSample = 0;
    std::int64_t pollStartUs = 0;
    std::uint8_t sclTimedOut = 0;

private:
    // A read-back sample the batched exchange takes a result from, or that
    // must show SCL high.
    struct Probe {
        enum Kind { Acknowledge, DataBit, SclHigh } kind;
        int position;
        std::uint8_t *target;
    };

    bool batched() const { return mode == Exchange::Batched; }
    void sdaRun(std::uint8_t level, int count);
    void sclRun(std::uint8_t level, int count);
    // SCL released for `count` samples where nothing is decided: checked
    // afterwards, or waited for at once when every clock is.
    void clockPulse(int count);
    // Per flush: sends the queue and returns SDA at the first sample of the
    // high phase that starts at `at`, once SCL is high there (waiting while
    // a module holds it); 1 when the port failed or the wait ran out.
    std::uint8_t sampleHigh(int at);
    bool flushQueue();
    void evaluateProbes();
    void beginClockWait();
    std::uint8_t pollScl();

    BitBangPort &port;
    Exchange mode;
    Timing runs;
    bool everyClock = false;
    std::vector<Probe> probes;
    bool portFailed = false;
    bool sclHeld = false;
};
