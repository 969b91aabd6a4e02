// The probe job: one selection of the device, to tell whether a module sits
// in the socket, with nothing written to it.

#include "modulebus.h"
#include "sfpthread.h"

void SFPThread::probeJob(const Job &job)
{
    std::unique_ptr<ModuleBus> bus = openBus(job);
    if (!bus)
        return;
    startBudget(*bus);
    bool answered = false;
    if (const BusFailure failure = bus->probe(job.address, answered)) {
        fail(*bus, job, kLogReaded, failure, QString());
        return;
    }
    bus->close();
    emit probed(answered);
}
