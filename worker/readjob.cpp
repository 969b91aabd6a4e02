// The read job, and the read of an address range that the write job also
// uses to verify.

#include "modulebus.h"
#include "sfpthread.h"

void SFPThread::readJob(const Job &job)
{
    std::unique_ptr<ModuleBus> bus = openBus(job);
    if (bus)
        readRange(*bus, job, kLogReaded, Attempts{});
}

void SFPThread::readRange(ModuleBus &bus, const Job &job, LogType kind, const Attempts &attempts)
{
    startBudget(bus);
    const QString record = tr("Time %1, Read(%2) from 0x%3\n").arg(recordTime(), job.serialNumber, hexAddress(job.address))
                           + (kind == kLogReaded ? blindnessNote(bus) : QString());

    const int count = qMax(0, job.addrEnd - job.addrStart);
    std::vector<std::uint8_t> bytes;
    if (const BusFailure failure = bus.read(job.address, static_cast<quint8>(job.addrStart), count, attempts, bytes)) {
        QString refusal;
        if (failure.kind == BusFailure::RefusedSelection)
            refusal = failure.forReading ? tr("i2c: couldn't start reading") : tr("i2c: couldn't select read address");
        else
            refusal = tr("i2c: the module refused the read address 0x%1").arg(hexAddress(static_cast<quint8>(job.addrStart)));
        fail(bus, job, kind, failure, refusal);
        return;
    }
    bus.close();

    const QByteArray data(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()));
    quint16 checksum = 0;
    for (int i = 0; i < data.size(); ++i)
        if (countsInChecksum(job, i))
            checksum = static_cast<quint16>(checksum + static_cast<quint8>(data[i]));
    emit log(kind, record, data, checksum);
}

QString SFPThread::blindnessNote(const ModuleBus &bus)
{
    if (bus.seesClockStretching())
        return QString();
    return tr("This programmer cannot see a module hold the clock low: with such a module the bytes come out "
              "shifted.\n");
}
