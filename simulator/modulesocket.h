#pragma once
// The socket of a simulated programmer: the two lines between its master
// and the module plugged in, with pull-ups, a bus recorder and a wire trace
// watching them as a logic analyzer would and a hook on what they do.
// A master pin drives its line low or high, or lets it go for the pull-up
// to raise; a module pulls a line low over whatever the master drives (the
// programmer boards put a resistor in series). The faults of a home-made
// board can be switched on. Every simulated programmer drives its master's
// pins into one; it is not thread-safe on its own, its owner locks.

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

    enum class Drive { Low, High, Released };
    // An open-drain master: low, or let go.
    static Drive openDrain(bool level) { return level ? Drive::Released : Drive::Low; }

    struct Faults {
        bool noPullUp = false;     // a line let go floats low
        bool unpowered = false;    // no module supply, and none for the pull-ups either
        bool sdaStuckLow = false;  // shorted to ground
        bool sclStuckLow = false;
        bool swapped = false;      // the master's SDA pin goes to the socket's SCL and back
    };
    void setFaults(const Faults &faults);
    const Faults &faults() const { return broken; }

    // What the master's SDA and SCL pins read, driven as given.
    bool sda(Drive masterSda, Drive masterScl, Time now) const;
    bool scl(Drive masterSda, Drive masterScl, Time now) const;

    // Passes what changed on the lines to the module and the recorder, one
    // change at a time, SCL first: the module may answer an SCL edge by
    // moving SDA, which is then a change of its own. The hook hears of the
    // events once the lines have settled.
    void settle(Drive masterSda, Drive masterScl, Time now);

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
    struct Lines {
        bool sda;
        bool scl;
    };
    // The socket's two lines, which the module and the recorder see.
    Lines lines(Drive masterSda, Drive masterScl, Time now) const;
    bool level(Drive drive, bool stuck, bool moduleLow) const;
    bool modulePowered() const { return plugged && !broken.unpowered; }

    std::shared_ptr<SimulatedModule> plugged;
    Faults broken;
    BusRecorder recorded;
    WireTrace wire;
    bool recording = true;
    std::function<void(const BusEvent &)> busHook;
    bool lastScl = true;
    bool lastSda = true;
};
