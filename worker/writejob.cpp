// The write job: password entry, the page select, the table's data in
// writes that never cross an 8-byte page, then the verify pass or the close.

#include "modulebus.h"
#include "sfpthread.h"

namespace {

constexpr int kPageSize = 8;

struct Chunk {
    int first;  // within the table
    int count;
};

// The table's data spans, those that touch joined, cut at every 8-byte
// boundary of the device and into runs of at most `maxBytes`.
QVector<Chunk> chunksOf(const QVector<sff::Span> &spans, int tableStart, int tableSize, int maxBytes)
{
    QVector<sff::Span> joined;
    for (const sff::Span &span : spans.isEmpty() ? QVector<sff::Span>{sff::Span{tableStart, tableSize}} : spans) {
        if (!joined.isEmpty() && joined.last().end() == span.offset)
            joined.last().length += span.length;
        else
            joined.append(span);
    }
    QVector<Chunk> chunks;
    for (const sff::Span &span : joined) {
        const int from = qMax(span.offset, tableStart);
        const int to = qMin(span.end(), tableStart + tableSize);
        for (int at = from; at < to;) {
            const int end = qMin(qMin(to, (at / kPageSize + 1) * kPageSize), at + maxBytes);
            chunks.append({at - tableStart, end - at});
            at = end;
        }
    }
    return chunks;
}

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

    const QString record = tr("Time %1, Write(%2) to 0x%3%4\n")
                               .arg(recordTime(), job.serialNumber, hexAddress(job.address),
                                    job.writePassword.isEmpty() ? QString() : tr(", with password"));
    quint16 checksum = 0;
    if (!enterPassword(*bus, job) || !selectPage(*bus, job, kLogWrited) || !writePages(*bus, job, checksum))
        return;
    // The module may still be busy with the last page. The verify waits for
    // it in its selections; without one the write is done only once the
    // module answers again, which it would not after failing to keep it.
    if (!job.verify) {
        if (const BusFailure failure = bus->waitReady(job.address, writeCycleAttempts())) {
            fail(*bus, job, kLogWrited, failure, refusal(job));
            return;
        }
    }
    emit log(kLogWrited, record, job.writeData.left(kTableSize), checksum);

    QByteArray readBack;
    quint16 readBackChecksum = 0;
    const QString verifyRecord = readRecord(job);
    if (job.verify && !readRange(*bus, job, kLogVerify, writeCycleAttempts(), &readBack, &readBackChecksum))
        return;
    if (!restorePage(*bus, job, job.verify ? kLogVerify : kLogWrited))
        return;
    bus->close();
    if (job.verify)
        emit log(kLogVerify, verifyRecord, readBack, readBackChecksum);
}

bool SFPThread::enterPassword(ModuleBus &bus, const Job &job)
{
    // Each password byte is a transaction of its own to device 0x51.
    for (int i = 0; i < job.writePassword.size(); ++i) {
        const std::vector<std::uint8_t> byte{static_cast<std::uint8_t>(job.writePassword.at(i))};
        const BusFailure failure = bus.writePage(job.passwordDevice, static_cast<quint8>(job.passwordOffset + i), byte,
                                                 writeCycleAttempts());
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
    const QVector<Chunk> chunks = chunksOf(job.writeSpans, job.addrStart, kTableSize, job.maxWriteBytes);
    for (int index = 0; index < chunks.size(); ++index) {
        const Chunk &chunk = chunks.at(index);
        const std::vector<std::uint8_t> page(job.writeData.constData() + chunk.first,
                                             job.writeData.constData() + chunk.first + chunk.count);
        const quint8 pageAddress = static_cast<quint8>(job.addrStart + chunk.first);
        const BusFailure failure = bus.writePage(job.address, pageAddress, page, writeCycleAttempts());
        if (index == 0 && mayHaveStored(failure))
            emit writeReachedModule();
        if (failure) {
            fail(bus, job, kLogWrited, failure,
                 failure.kind == BusFailure::RefusedByte ? refusedWriteByte(job, failure, pageAddress, index)
                                                         : refusal(job));
            return false;
        }
        if (!waitOutWriteCycle(bus, job))
            return false;
        for (int i = chunk.first; i < chunk.first + chunk.count; ++i)
            if (countsInChecksum(job, i))
                checksum = static_cast<quint16>(checksum + static_cast<quint8>(job.writeData.at(i)));
    }
    return true;
}

bool SFPThread::waitOutWriteCycle(ModuleBus &bus, const Job &job)
{
    // A module that may acknowledge its address while it stores says nothing
    // by answering: its write cycle is over only once its time has passed on
    // the programmer's clock. The bus has no idle of its own, so bare
    // selections let the clock run meanwhile; they carry no data.
    if (job.writeCycleMs <= 0)
        return true;
    const std::int64_t start = bus.nowUs();
    while (bus.nowUs() - start < std::int64_t{job.writeCycleMs} * 1000) {
        bool answered = false;
        if (const BusFailure failure = bus.probe(job.address, answered)) {
            fail(bus, job, kLogWrited, failure, refusal(job));
            return false;
        }
    }
    return true;
}

bool SFPThread::mayHaveStored(const BusFailure &failure)
{
    // A module stores nothing of a page whose address it refused, nor of one
    // whose word address or first data byte it refused. Of any other failure
    // the bytes may have got through before it.
    switch (failure.kind) {
    case BusFailure::None:
        return true;
    case BusFailure::RefusedSelection:
    case BusFailure::NoProgrammer:
        return false;
    case BusFailure::RefusedByte:
        return failure.index > 1;
    default:
        return true;
    }
}

QString SFPThread::refusedWriteByte(const Job &, const BusFailure &failure, quint8 pageAddress, int page) const
{
    if (failure.index == 0)
        return tr("Write failed: the module refused the address of page %1 (0x%2)")
            .arg(page + 1)
            .arg(hexAddress(pageAddress));
    return tr("Write failed: the module refused byte 0x%1 in page %2")
        .arg(hexAddress(static_cast<quint8>(pageAddress + failure.index - 1)))
        .arg(page + 1);
}
