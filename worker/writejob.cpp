// The write job: password entry, the table in 8-byte pages, then the verify
// pass or the close.

#include "modulebus.h"
#include "sfpthread.h"

namespace {

constexpr quint8 kPasswordDevice = 0x51;
constexpr int kPasswordAddress = 0x7B;
constexpr int kPageSize = 8;

// A module busy with the write cycle of the page before refuses its address
// for a while; the selections poll it for up to this long.
Attempts writeCycleAttempts()
{
    return Attempts{5, std::int64_t{SFPThread::kWriteCycleWaitMs} * 1000};
}

}  // namespace

QString SFPThread::refusal(const Job &job)
{
    return tr("Couldn't write to: %1").arg(job.serialNumber);
}

void SFPThread::writeJob(const Job &job)
{
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
    std::unique_ptr<ModuleBus> bus = openBus(job);
    if (!bus)
        return;
    startBudget(*bus);  // the budget covers the password and all pages

    // A programmer blind to clock stretching may have sent a stretching
    // module shifted bits: what it kept is read back even without a verify.
    const bool readBack = !job.verify && !bus->seesClockStretching();
    const QString record = tr("Time %1, Write(%2) to 0x%3%4\n")
                               .arg(recordTime(), job.serialNumber, hexAddress(job.address),
                                    job.writePassword.isEmpty() ? QString() : tr(", with password"))
                           + blindnessNote(*bus)
                           + (readBack ? tr("The table is read back to check what the module kept.\n") : QString());
    quint16 checksum = 0;
    if (!enterPassword(*bus, job) || !writePages(*bus, job, checksum))
        return;
    // The module may still be busy with the last page. The verify waits for
    // it in its selections; without one the write is done only once the
    // module answers again, which it would not after failing to keep it.
    if (!job.verify && !readBack) {
        if (const BusFailure failure = bus->waitReady(job.address, writeCycleAttempts())) {
            fail(*bus, job, kLogWrited, failure, refusal(job));
            return;
        }
    }
    emit log(kLogWrited, record, job.writeData.left(kTableSize), checksum);

    if (job.verify)
        readRange(*bus, job, kLogVerify, writeCycleAttempts());
    else if (readBack)
        checkWritten(*bus, job);
    else
        bus->close();
}

void SFPThread::checkWritten(ModuleBus &bus, const Job &job)
{
    startBudget(bus);
    std::vector<std::uint8_t> bytes;
    if (const BusFailure failure =
            bus.read(job.address, static_cast<quint8>(job.addrStart), kTableSize, writeCycleAttempts(), bytes)) {
        fail(bus, job, kLogVerify, failure, refusal(job));
        return;
    }
    bus.close();
    for (int i = 0; i < kTableSize; ++i) {
        if (countsInChecksum(job, i) && bytes[static_cast<size_t>(i)] != static_cast<quint8>(job.writeData.at(i))) {
            emit error(tr("Write failed: the module holds other bytes than written, the first at 0x%1")
                           .arg(hexAddress(static_cast<quint8>(job.addrStart + i))));
            return;
        }
    }
}

bool SFPThread::enterPassword(ModuleBus &bus, const Job &job)
{
    // Each password byte is a transaction of its own to device 0x51.
    for (int i = 0; i < job.writePassword.size(); ++i) {
        const std::vector<std::uint8_t> byte{static_cast<std::uint8_t>(job.writePassword.at(i))};
        const BusFailure failure =
            bus.writePage(kPasswordDevice, static_cast<quint8>(kPasswordAddress + i), byte, writeCycleAttempts());
        if (failure) {
            fail(bus, job, kLogWrited, failure,
                 failure.kind == BusFailure::RefusedByte
                     ? tr("Write failed: the module refused byte %1 of the password").arg(i + 1)
                     : refusal(job));
            return false;
        }
    }
    return true;
}

bool SFPThread::writePages(ModuleBus &bus, const Job &job, quint16 &checksum)
{
    for (int first = 0; first < kTableSize; first += kPageSize) {
        const std::vector<std::uint8_t> page(job.writeData.constData() + first,
                                             job.writeData.constData() + first + kPageSize);
        const quint8 pageAddress = static_cast<quint8>(job.addrStart + first);
        const BusFailure failure = bus.writePage(job.address, pageAddress, page, writeCycleAttempts());
        if (first == 0 && mayHaveStored(failure))
            emit writeReachedModule();
        if (failure) {
            fail(bus, job, kLogWrited, failure,
                 failure.kind == BusFailure::RefusedByte ? refusedWriteByte(job, failure, first / kPageSize)
                                                         : refusal(job));
            return false;
        }
        for (int i = first; i < first + kPageSize; ++i)
            if (countsInChecksum(job, i))
                checksum = static_cast<quint16>(checksum + static_cast<quint8>(job.writeData.at(i)));
    }
    return true;
}

bool SFPThread::mayHaveStored(const BusFailure &failure)
{
    // A module stores nothing of a page whose address it refused. A refused
    // byte proves nothing: the page's bytes went out, and a module that
    // held the clock may have taken them shifted and kept them.
    switch (failure.kind) {
    case BusFailure::RefusedSelection:
    case BusFailure::NoProgrammer:
        return false;
    default:
        return true;
    }
}

QString SFPThread::refusedWriteByte(const Job &job, const BusFailure &failure, int page) const
{
    const quint8 pageAddress = static_cast<quint8>(job.addrStart + page * kPageSize);
    if (failure.index == 0)
        return tr("Write failed: the module refused the address of page %1 (0x%2)")
            .arg(page + 1)
            .arg(hexAddress(pageAddress));
    return tr("Write failed: the module refused byte 0x%1 in page %2")
        .arg(hexAddress(static_cast<quint8>(pageAddress + failure.index - 1)))
        .arg(page + 1);
}
