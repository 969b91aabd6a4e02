// The read job, and the sequential read of an address range that the write
// job also uses to verify.

#include "ftdii2c.h"
#include "sfpthread.h"

#include <memory>

void SFPThread::readJob(const Job &job)
{
    if (job.serialNumber.isEmpty()) {
        emit error(tr("SFP programmer not selected"));
        return;
    }
    auto port = std::make_unique<FtdiI2c>();
    if (!openPort(*port, job))
        return;
    readRange(*port, job, kLogReaded);
}

void SFPThread::readRange(FtdiI2c &port, const Job &job, LogType kind)
{
    timer.start();
    if (checkAbort(port, job, kind, false))
        return;
    const QString record = tr("Time %1, Read(%2) from 0x%3\n").arg(recordTime(), job.serialNumber, hexAddress(job.address));

    // A random read: the word address is written and ended by a stop, then a
    // fresh start addresses the module for reading.
    if (!selectOrFail(port, job, kind, job.address, false, tr("i2c: couldn't select read address")))
        return;
    port.writeByte(static_cast<quint8>(job.addrStart));
    port.stop();
    if (checkAbort(port, job, kind, false))
        return;

    const int count = qMax(0, job.addrEnd - job.addrStart);
    QByteArray data(count, '\0');
    if (!selectOrFail(port, job, kind, job.address, true, tr("i2c: couldn't start reading")))
        return;

    quint16 checksum = 0;
    for (int i = 0; i < count; ++i) {
        if (checkAbort(port, job, kind, true))
            return;
        const quint8 byte = port.readByte(i != count - 1);  // the last byte gets no acknowledge
        data[i] = static_cast<char>(byte);
        if (countsInChecksum(job, i))
            checksum = static_cast<quint16>(checksum + byte);
    }
    port.stop();
    port.close();
    emit log(kind, record, data, checksum);
}
