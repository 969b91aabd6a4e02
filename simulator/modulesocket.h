#pragma once
// The socket of a simulated programmer: the two open-drain lines between its
// master and the module plugged in, wired-AND, with a bus recorder and a
// wire trace watching them as a logic analyzer would and a hook on what
// they do. Every simulated
// programmer drives its master's levels into one; it is not thread-safe on
// its own, its owner locks.

#include "busrecorder.h"
#include "simulatedmodule.h"
#include "wiretrace.h"

#include <functional>
#include <memory>

class ModuleSocket
{
public:
    using Time = SimulatedModule::Time;

    explicit ModuleSocket(std::shared_ptr<SimulatedModule> module) : plugged(std::move(module)) {}

    const std::shared_ptr<SimulatedModule> &module() const { return plugged; }
    // Plugs a module in, powered up afresh, or takes it out with nullptr.
    void plug(std::shared_ptr<SimulatedModule> module);

    // The lines' levels with the master's levels as given.
    bool sda(bool master) const { return master && !(plugged && plugged->pullsSdaLow()); }
    bool scl(bool master, Time now) const { return master && !(plugged && plugged->pullsSclLow(now)); }

    // Passes what changed on the lines to the module and the recorder, one
    // change at a time, SCL first: the module may answer an SCL edge by
    // moving SDA, which is then a change of its own. The hook hears of the
    // events once the lines have settled.
    void settle(bool masterSda, bool masterScl, Time now);

    const BusRecorder &recorder() const { return recorded; }
    const WireTrace &trace() const { return wire; }
    void clearRecord()
    {
        recorded.clear();
        wire.clear();
    }
    bool isRecording() const { return recording; }
    void setRecording(bool on) { recording = on; }
    // Runs only while recording.
    void setBusHook(std::function<void(const BusEvent &)> hook) { busHook = std::move(hook); }

private:
    std::shared_ptr<SimulatedModule> plugged;
    BusRecorder recorded;
    WireTrace wire;
    bool recording = true;
    std::function<void(const BusEvent &)> busHook;
    bool lastScl = true;
    bool lastSda = true;
};
