#pragma once
// A programmer with a module on its bus: what the transfer jobs need from
// any kind of programmer. The jobs decide what to read and write and how long
// to wait for a module; an implementation turns that into its own bus
// traffic and reports each failure by kind.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct BusFailure {
    enum Kind {
        None,
        // The job's stop check asked to end; the bus was left idle and closed.
        Stopped,
        // The programmer could not be opened.
        NoProgrammer,
        // The device never acknowledged its address within the attempts.
        RefusedSelection,
        // A byte after the address was refused: `index` 0 is the word
        // address, 1 the first data byte.
        RefusedByte,
        // SCL stayed low: a module stretched the clock too long, or a line
        // is shorted.
        BusStuck,
        // The programmer's USB or system interface failed.
        Io,
    };

    Kind kind = None;
    // RefusedSelection: the selection for reading, after the word address.
    bool forReading = false;
    int index = -1;
    // What the system or driver said, for the operator.
    std::string detail;

    explicit operator bool() const { return kind != None; }
    static BusFailure of(Kind kind, std::string detail = {}) { return {kind, false, -1, std::move(detail)}; }
};

// How long to keep addressing a device that does not answer: at least
// `minimum` selections, and until `pollUs` microseconds of the programmer's
// clock have passed since the first (a module busy with a write cycle).
struct Attempts {
    int minimum = 5;
    std::int64_t pollUs = 0;
};

// The two lines themselves, where a programmer can drive and read them one
// by one: a programmer check finds wiring faults with them.
class BusLines
{
public:
    enum class Drive { Released, Low, High };
    struct Levels {
        bool sda = false;
        bool scl = false;
    };

    virtual ~BusLines() = default;
    // Drives SDA and SCL as given (released: the pin let go, for the pull-up
    // to raise) and reads both back once they have settled.
    virtual BusFailure setLines(Drive sda, Drive scl, Levels &levels) = 0;
    // Exchanges the pins that serve as SDA and SCL for what follows.
    virtual void swapLines(bool swapped) = 0;
};

class ModuleBus
{
public:
    // Asked between bus operations; true ends the transfer at once.
    using StopCheck = std::function<bool()>;

    virtual ~ModuleBus() = default;

    // The kind of programmer, for the operator's messages ("FTDI", ...).
    virtual std::string kind() const = 0;

    virtual BusFailure open(const std::string &identity) = 0;
    // Releases the programmer; harmless when it is not open.
    virtual void close() = 0;

    // A random read: the word address, then `count` bytes from there on.
    virtual BusFailure read(std::uint8_t device, std::uint8_t offset, int count, const Attempts &attempts,
                            std::vector<std::uint8_t> &data) = 0;
    // Bytes to one page in one transaction, starting at `offset`.
    virtual BusFailure writePage(std::uint8_t device, std::uint8_t offset, const std::vector<std::uint8_t> &bytes,
                                 const Attempts &attempts) = 0;
    // One selection of the device for writing, ended at once: does it answer?
    virtual BusFailure probe(std::uint8_t device, bool &answered) = 0;
    // Selections, each ended at once, until the device answers: a module
    // finishing the write cycle of its last page.
    virtual BusFailure waitReady(std::uint8_t device, const Attempts &attempts) = 0;

    // Microseconds on the programmer's clock.
    virtual std::int64_t nowUs() const = 0;

    // Whether the programmer notices a module holding SCL low and waits for
    // it. One that does not clocks on regardless, so that such a module
    // takes shifted bits and sends shifted bytes: what it stores must be
    // read back.
    virtual bool seesClockStretching() const { return true; }
    // The lines, for a programmer that can drive and read them one by one;
    // null for one that knows only whole bytes.
    virtual BusLines *lines() { return nullptr; }

    void setStopCheck(StopCheck check) { stopCheck = std::move(check); }

protected:
    bool stopRequested() const { return stopCheck && stopCheck(); }

private:
    StopCheck stopCheck;
};
