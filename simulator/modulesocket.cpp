#include "modulesocket.h"

#include <vector>

void ModuleSocket::plug(std::shared_ptr<SimulatedModule> module)
{
    plugged = std::move(module);
    if (plugged)
        plugged->powerCycle();
}

void ModuleSocket::setFaults(const Faults &faults)
{
    const bool powerReturns = broken.unpowered && !faults.unpowered;
    broken = faults;
    if (powerReturns && plugged)
        plugged->powerCycle();
}

bool ModuleSocket::level(Drive drive, bool stuck, bool moduleLow) const
{
    if (stuck || moduleLow || drive == Drive::Low)
        return false;
    if (drive == Drive::High)
        return true;
    return !broken.noPullUp && !broken.unpowered;
}

ModuleSocket::Lines ModuleSocket::lines(Drive masterSda, Drive masterScl, Time now) const
{
    const Drive onSda = broken.swapped ? masterScl : masterSda;
    const Drive onScl = broken.swapped ? masterSda : masterScl;
    const bool powered = modulePowered();
    return {level(onSda, broken.sdaStuckLow, powered && plugged->pullsSdaLow()),
            level(onScl, broken.sclStuckLow, powered && plugged->pullsSclLow(now))};
}

bool ModuleSocket::sda(Drive masterSda, Drive masterScl, Time now) const
{
    const Lines l = lines(masterSda, masterScl, now);
    return broken.swapped ? l.scl : l.sda;
}

bool ModuleSocket::scl(Drive masterSda, Drive masterScl, Time now) const
{
    const Lines l = lines(masterSda, masterScl, now);
    return broken.swapped ? l.sda : l.scl;
}

void ModuleSocket::settle(Drive masterSda, Drive masterScl, Time now)
{
    // An unpowered module takes no part; it starts afresh once powered.
    SimulatedModule *module = modulePowered() ? plugged.get() : nullptr;
    std::vector<BusEvent> events;
    const auto heard = [&](BusEvent::Kind kind) {
        if (busHook && !recorded.transactions().empty())
            events.push_back({kind, recorded.transactions().back()});
    };
    for (int guard = 0; guard < 8; ++guard) {
        const Lines levels = lines(masterSda, masterScl, now);
        const bool sclLevel = levels.scl;
        const bool sdaLevel = levels.sda;
        if (sclLevel != lastScl) {
            lastScl = sclLevel;
            if (recording)
                wire.note(now, lastSda, lastScl);
            if (sclLevel) {
                if (recording && recorded.sclRose(sdaLevel))
                    heard(BusEvent::Address);
                if (module)
                    module->sclRose(sdaLevel);
            } else if (module) {
                module->sclFell(now);
            }
            continue;
        }
        if (sdaLevel != lastSda) {
            lastSda = sdaLevel;
            if (recording)
                wire.note(now, lastSda, lastScl);
            if (sclLevel && !sdaLevel) {
                if (recording) {
                    recorded.startCondition();
                    heard(BusEvent::Start);
                }
                if (module)
                    module->startCondition();
            } else if (sclLevel) {
                if (recording) {
                    recorded.stopCondition();
                    heard(BusEvent::Stop);
                }
                if (module)
                    module->stopCondition(now);
            }
            continue;
        }
        break;
    }
    for (const BusEvent &event : events)
        busHook(event);
}
