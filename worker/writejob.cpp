// The write job: password entry, the table in 8-byte pages, then the verify
// pass or the close.

#include "ftdii2c.h"
#include "sfpthread.h"

#include <memory>

namespace {

constexpr quint8 kPasswordDevice = 0x51;
constexpr int kPasswordAddress = 0x7B;
constexpr int kPageSize = 8;

}  // namespace

QString SFPThread::refusal(const Job &job)
{
    return tr("Couldn't write to: %1").arg(job.serialNumber);
}

void SFPThread::writeJob(const Job &job)
{
    timer.start();  // the budget covers the password and all pages
    if (job.serialNumber.isEmpty()) {
        emit error(tr("SFP programmer not selected"));
        return;
    }
    if (job.writeData.size() < kTableSize) {
        emit error(tr("Nothing written: the table holds %1 bytes, %2 are needed")
                       .arg(job.writeData.size())
                       .arg(kTableSize));
        return;
    }
    auto port = std::make_unique<FtdiI2c>();
    if (!openPort(*port, job))
        return;

    const QString record = tr("Time %1, Write(%2) to 0x%3%4\n")
                               .arg(recordTime(), job.serialNumber, hexAddress(job.address),
                                    job.writePassword.isEmpty() ? QString() : tr(", with password"));
    quint16 checksum = 0;
    if (!enterPassword(*port, job) || !writePages(*port, job, checksum))
        return;
    emit log(kLogWrited, record, job.writeData, checksum);

    if (job.verify)
        readRange(*port, job, kLogVerify);
    else
        port->close();
}

bool SFPThread::enterPassword(FtdiI2c &port, const Job &job)
{
    // Each password byte is a transaction of its own to device 0x51.
    for (int i = 0; i < job.writePassword.size(); ++i) {
        if (!selectOrFail(port, job, kLogWrited, kPasswordDevice, false, refusal(job)))
            return false;
        port.writeByte(static_cast<quint8>(kPasswordAddress + i));
        port.writeByte(static_cast<quint8>(job.writePassword.at(i)));
        port.stop();
        if (checkAbort(port, job, kLogWrited, false))
            return false;
    }
    return true;
}

bool SFPThread::writePages(FtdiI2c &port, const Job &job, quint16 &checksum)
{
    // No delay for the EEPROM's write cycle: a module busy writing refuses
    // its address, and the selection attempts of the next page wait it out.
    for (int i = 0; i < kTableSize;) {
        if (checkAbort(port, job, kLogWrited, false))
            return false;
        if (!selectOrFail(port, job, kLogWrited, job.address, false, refusal(job)))
            return false;
        port.writeByte(static_cast<quint8>(job.addrStart + i));
        if (checkAbort(port, job, kLogWrited, false))
            return false;
        for (int inPage = 0; inPage < kPageSize; ++inPage, ++i) {
            const quint8 byte = static_cast<quint8>(job.writeData.at(i));
            port.writeByte(byte);
            if (checkAbort(port, job, kLogWrited, false))
                return false;
            if (countsInChecksum(job, i))
                checksum = static_cast<quint16>(checksum + byte);
        }
        port.stop();
    }
    return true;
}
