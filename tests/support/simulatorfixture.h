#pragma once
// A simulated programmer installed as the only D2XX backend for the lifetime
// of the fixture, with a module in its socket.

#include "simulatedbackend.h"

#include <QByteArray>

#include <functional>

#include <memory>

class SimulatorFixture
{
public:
    static constexpr char kSerial[] = "SIM0001";

    SimulatorFixture();
    ~SimulatorFixture();
    SimulatorFixture(const SimulatorFixture &) = delete;
    SimulatorFixture &operator=(const SimulatorFixture &) = delete;

    std::shared_ptr<SimulatedBackend> backend;
    std::shared_ptr<SimulatedProgrammer> programmer;
    std::shared_ptr<SimulatedModule> module;

    // Bytes from..to-1 of one device, as stored.
    QByteArray memory(std::uint8_t device, int from = 0, int to = 256) const;
    // Bytes from..to-1 of one device, as a read over the bus returns them.
    QByteArray readable(std::uint8_t device, int from = 0, int to = 256) const;
    // Fills a device with a recognisable pattern: byte i = (i * 7 + seed) mod 256.
    void fillPattern(std::uint8_t device, int seed);

    using BusEvent = SimulatedProgrammer::BusEvent;
    // Runs `action` on the worker's thread at the n-th bus event (from 1)
    // that `matches` accepts, whatever the exchange with the chip.
    void atBusEvent(int nth, std::function<bool(const BusEvent &)> matches, std::function<void()> action);
    // The stop that ends a transaction the module took (not one after a
    // selection it refused, as while it is busy).
    void atStop(int nth, std::function<void()> action);
    // The module acknowledging its address for reading.
    void atReadSelection(int nth, std::function<void()> action);
};
