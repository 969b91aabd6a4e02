#pragma once
// A simulated programmer of one kind installed as the only programmer for
// the lifetime of the fixture, with a module in its socket: an FTDI chip
// behind the D2XX calls, an i2c-dev adapter behind the system calls, or a
// CH341A board behind libusb. What tests ask of any kind goes through the
// fixture; `programmer`, `adapter` and `ch341aBoard` reach the one in use.

#include "simulatedbackend.h"
#include "simulatedch341a.h"
#include "simulatedi2cdev.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

class SimulatorFixture
{
public:
    enum class Kind { Ftdi, I2cDev, Ch341a };

    static constexpr char kSerial[] = "SIM0001";
    static constexpr char kI2cDevIdentity[] = "i2c-3";
    static constexpr char kCh341aIdentity[] = "CH341A@3-1.4";

    explicit SimulatorFixture(Kind kind = Kind::Ftdi);
    ~SimulatorFixture();
    SimulatorFixture(const SimulatorFixture &) = delete;
    SimulatorFixture &operator=(const SimulatorFixture &) = delete;

    const Kind kind;
    std::shared_ptr<SimulatedBackend> backend;
    std::shared_ptr<SimulatedProgrammer> programmer;  // FTDI
    std::shared_ptr<SimulatedI2cDev> i2cDev;
    std::shared_ptr<SimulatedI2cAdapter> adapter;     // i2c-dev
    std::shared_ptr<SimulatedCh341aUsb> ch341aUsb;
    std::shared_ptr<SimulatedCh341a> ch341aBoard;     // CH341A
    std::shared_ptr<SimulatedModule> module;

    // What selects the programmer: kSerial, kI2cDevIdentity or kCh341aIdentity.
    QString identity() const;

    // Bytes from..to-1 of one device, as stored.
    QByteArray memory(std::uint8_t device, int from = 0, int to = 256) const;
    // Bytes from..to-1 of one device, as a read over the bus returns them.
    QByteArray readable(std::uint8_t device, int from = 0, int to = 256) const;
    // Fills a device with pattern(size, seed) of testbytes.h.
    void fillPattern(std::uint8_t device, int seed);

    // The programmer in use, whatever its kind.
    SimulatedBoard &board() const;
    // What a logic analyser tells apart on the lines, a line a transaction:
    // "50W+ 10+ 42- P".
    static QStringList described(const std::vector<I2cTransaction> &transactions);
    // Plugs a module in, or takes it out with nullptr.
    void setModule(std::shared_ptr<SimulatedModule> module);
    // Runs at every opening of the programmer, before it is locked.
    void setOpenHook(std::function<void()> hook);

    // Runs `action` on the worker's thread at the n-th bus event (from 1)
    // that `matches` accepts, whatever the exchange with the chip.
    void atBusEvent(int nth, std::function<bool(const BusEvent &)> matches, std::function<void()> action);
    // The stop that ends a transaction the module took (not one after a
    // selection it refused, as while it is busy).
    void atStop(int nth, std::function<void()> action);
    // The module acknowledging its address for reading.
    void atReadSelection(int nth, std::function<void()> action);
};
