#pragma once
// What every simulated programmer board offers a test, whatever its kind:
// the lines of its socket, and how it was asked for over USB or the system.

#include "busrecorder.h"
#include "modulesocket.h"

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class SimulatedBoard
{
public:
    virtual ~SimulatedBoard() = default;

    // The lines, as the socket's recorder saw them while recording.
    virtual std::vector<I2cTransaction> transactions() const = 0;
    virtual int startConditions() const = 0;
    virtual void clearRecord() = 0;
    // The hook runs on the thread driving the lines and may call advance().
    virtual void setBusHook(std::function<void(const BusEvent &)> hook) = 0;
    virtual void advance(std::chrono::nanoseconds duration) = 0;
    // Plugs a module in, or takes it out with nullptr.
    virtual void setModule(std::shared_ptr<SimulatedModule> module) = 0;
    virtual void setLineFaults(const ModuleSocket::Faults &faults) = 0;

    virtual bool isOpen() const = 0;
    // Anything was asked of it at all, opening included.
    virtual bool wasUsed() const = 0;
    // Runs at the start of every open, before the board is locked: a socket
    // operator plugs and pulls modules there.
    virtual void setOpenHook(std::function<void()> hook) = 0;
    // Opening fails as for a user without access to it.
    virtual void denyAccess(bool denied) = 0;
    // It is pulled out after `exchanges` more exchanges with it.
    virtual void unplugAfter(int exchanges) = 0;
};
