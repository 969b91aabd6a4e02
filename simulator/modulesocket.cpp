#include "modulesocket.h"

#include <vector>

void ModuleSocket::plug(std::shared_ptr<SimulatedModule> module)
{
    plugged = std::move(module);
    if (plugged)
        plugged->powerCycle();
}

void ModuleSocket::settle(bool masterSda, bool masterScl, Time now)
{
    std::vector<BusEvent> events;
    const auto heard = [&](BusEvent::Kind kind) {
        if (busHook && !recorded.transactions().empty())
            events.push_back({kind, recorded.transactions().back()});
    };
    for (int guard = 0; guard < 8; ++guard) {
        const bool sclLevel = scl(masterScl, now);
        const bool sdaLevel = sda(masterSda);
        if (sclLevel != lastScl) {
            lastScl = sclLevel;
            if (recording)
                wire.note(now, lastSda, lastScl);
            if (sclLevel) {
                if (recording && recorded.sclRose(sdaLevel))
                    heard(BusEvent::Address);
                if (plugged)
                    plugged->sclRose(sdaLevel);
            } else if (plugged) {
                plugged->sclFell(now);
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
                if (plugged)
                    plugged->startCondition();
            } else if (sclLevel) {
                if (recording) {
                    recorded.stopCondition();
                    heard(BusEvent::Stop);
                }
                if (plugged)
                    plugged->stopCondition(now);
            }
            continue;
        }
        break;
    }
    for (const BusEvent &event : events)
        busHook(event);
}
