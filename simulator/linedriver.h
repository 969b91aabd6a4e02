#pragma once
// The I2C master of a simulated programmer that works in bytes rather than
// pin samples (an i2c-dev adapter, a CH341A): it clocks starts, stops and
// bytes into the module as line events, reads the module's acknowledges and
// data off the lines, and waits while the module holds SCL low, all in the
// simulated time of its programmer at its bit rate (or, as a CH341A does,
// does not wait at all). A bus recorder watches
// the lines as on the FTDI board, with the same bus events for tests.
//
#include "busrecorder.h"
#include "modulesocket.h"
#include "simulatedmodule.h"

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

class LineDriver
{
public:
    using Time = SimulatedModule::Time;

    explicit LineDriver(std::shared_ptr<SimulatedModule> module);

    std::shared_ptr<SimulatedModule> module() const;
    // Plugs a module in (powered up afresh), or takes it out with nullptr.
    void setModule(std::shared_ptr<SimulatedModule> module);

    void setBitRate(int hertz);
    // How long the master waits for SCL to rise before it gives up.
    void setStretchLimit(std::chrono::nanoseconds limit);
    // A master that cannot read SCL back (a CH341A) never waits for it: it
    // samples SDA and drives SCL low again on its own time, and a module
    // holding SCL meanwhile misses those clocks.
    void setBlindToStretching(bool blind);
    void setSclStuckLow(bool stuck);
    void setLineFaults(const ModuleSocket::Faults &faults);

    // A start, or a repeated start within a transaction.
    void start();
    // Ends a transaction; nothing on an idle bus.
    void stop();
    // True when the byte was acknowledged.
    bool writeByte(std::uint8_t byte);
    std::uint8_t readByte(bool acknowledge);

    // The master gave up waiting for SCL; it does nothing more until it
    // lets go of the lines with release().
    bool gaveUp() const;
    void release();

    Time now() const;
    void advance(Time nanoseconds);

    // What the recorder saw, while recording (on by default). The hook runs
    // on the thread driving the lines and may call advance().
    std::vector<I2cTransaction> transactions() const;
    WireTrace trace() const;
    int startConditions() const;
    void clearRecord();
    void setRecording(bool on);
    void setBusHook(std::function<void(const BusEvent &)> hook);

private:
    bool sdaLevel() const;
    bool sclLevel() const;
    void settle();
    void releaseScl();
    // One clock with SDA as given (released for true); SCL is low before and
    // after. Returns SDA as sampled while SCL was high.
    bool clockBit(bool sda);

    mutable std::recursive_mutex mutex;
    ModuleSocket socket;

    Time clock = 0;
    Time halfBit = 5000;
    Time stretchLimit = 100000000;
    bool blind = false;
    bool givenUp = false;
    bool inTransaction = false;

    bool sclOut = true;
    bool sdaOut = true;
};
