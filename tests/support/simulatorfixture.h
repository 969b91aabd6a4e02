#pragma once
// A simulated programmer installed as the only D2XX backend for the lifetime
// of the fixture, with a module in its socket.

#include "simulatedbackend.h"

#include <QByteArray>

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
    // Fills a device with pattern(size, seed) of testbytes.h.
    void fillPattern(std::uint8_t device, int seed);
};
