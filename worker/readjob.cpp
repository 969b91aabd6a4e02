// The read job, and the read of an address range that the write job also
// uses to verify.

#include "modulebus.h"
#include "sfpthread.h"

void SFPThread::readJob(const Job &job)
{
    std::unique_ptr<ModuleBus> bus = openBus(job);
    if (!bus)
        return;
    startBudget(*bus);
    if (!selectPage(*bus, job, kLogReaded))
        return;
    const QString record = readRecord(job) + blindnessNote(*bus);
    QByteArray data;
    quint16 checksum = 0;
    if (!readRange(*bus, job, kLogReaded, Attempts{}, &data, &checksum) || !restorePage(*bus, job, kLogReaded))
        return;
    bus->close();
    emit log(kLogReaded, record, data, checksum);
}

bool SFPThread::readRange(ModuleBus &bus, const Job &job, LogType kind, const Attempts &attempts, QByteArray *data,
                          quint16 *checksum)
{
    startBudget(bus);
    const int count = qMax(0, job.addrEnd - job.addrStart);
    std::vector<std::uint8_t> bytes;
    if (const BusFailure failure = bus.read(job.address, static_cast<quint8>(job.addrStart), count, attempts, bytes)) {
        QString refusal;
        if (failure.kind == BusFailure::RefusedSelection)
            refusal = failure.forReading ? tr("i2c: couldn't start reading") : tr("i2c: couldn't select read address");
        else
            refusal = tr("i2c: the module refused the read address 0x%1").arg(hexAddress(static_cast<quint8>(job.addrStart)));
        fail(bus, job, kind, failure, refusal);
        return false;
    }
    *data = QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()));
    *checksum = 0;
    for (int i = 0; i < data->size(); ++i)
        if (countsInChecksum(job, i))
            *checksum = static_cast<quint16>(*checksum + static_cast<quint8>(data->at(i)));
    return true;
}

QString SFPThread::blindnessNote(const ModuleBus &bus)
{
    if (bus.seesClockStretching())
        return QString();
    return tr("This programmer cannot see a module hold the clock low: with such a module the bytes come out "
              "shifted.\n");
}
