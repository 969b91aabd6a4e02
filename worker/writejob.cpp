// The write job: password entry, the page select, the table's data in
// writes that never cross an 8-byte page, then the verify pass or the close.
// Trying a list of passwords is in passwordtrial.cpp.

#include "modulebus.h"
#include "sfpthread.h"

namespace {

constexpr int kPageSize = 8;

}  // namespace

// The table's data spans, those that touch joined, cut at every 8-byte
// boundary of the device and into runs of at most the family's write size.
QVector<SFPThread::Chunk> SFPThread::chunksOf(const Job &job)
{
    const int tableStart = job.addrStart;
    const int tableSize = kTableSize;
    QVector<sff::Span> joined;
    for (const sff::Span &span :
         job.writeSpans.isEmpty() ? QVector<sff::Span>{sff::Span{tableStart, tableSize}} : job.writeSpans) {
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
            const int end = qMin(qMin(to, (at / kPageSize + 1) * kPageSize), at + qMax(1, job.maxWriteBytes));
            chunks.append({at - tableStart, end - at});
            at = end;
        }
    }
    return chunks;
}

BusFailure SFPThread::writeChunk(ModuleBus &bus, const Job &job, const Chunk &chunk)
{
    const std::vector<std::uint8_t> page(job.writeData.constData() + chunk.first,
                                         job.writeData.constData() + chunk.first + chunk.count);
    return bus.writePage(job.address, static_cast<quint8>(job.addrStart + chunk.first), page, writeCycleAttempts());
}

Attempts SFPThread::writeCycleAttempts()
{
    return Attempts{5, std::int64_t{kWriteCycleWaitMs} * 1000};
}

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
    reachedModule = false;

    const bool automatic = !job.passwordCandidates.isEmpty();
    // A programmer blind to clock stretching may have sent a stretching
    // module shifted bits: what it kept is read back even without a verify.
    const bool checkBack = !job.verify && !bus->seesClockStretching();
    const QString time = recordTime();
    quint16 checksum = 0;
    QString accepted;
    // What the module held: it tells a page kept from one ignored, and a
    // verify that differs from one that found nothing kept at all.
    QByteArray before;
    if (automatic) {
        Identity identity;
        int probed = -1;
        if (!readIdentification(*bus, job, &identity) || !selectPage(*bus, job, kLogWrited)
            || !readTable(*bus, job, &before) || !unlock(*bus, job, identity, before, &probed, &accepted)
            || !writePages(*bus, job, checksum, probed))
            return;
    } else if (!enterPassword(*bus, job, job.writePassword) || !selectPage(*bus, job, kLogWrited)
               || (job.verify && !readTable(*bus, job, &before)) || !writePages(*bus, job, checksum)) {
        return;
    }
    // The module may still be busy with the last page. The verify waits for
    // it in its selections; without one the write is done only once the
    // module answers again, which it would not after failing to keep it.
    if (!job.verify && !checkBack) {
        if (const BusFailure failure = bus->waitReady(job.address, writeCycleAttempts())) {
            fail(*bus, job, kLogWrited, failure, refusal(job));
            return;
        }
    }
    QString password;
    if (!accepted.isEmpty())
        password = tr(", with password \"%1\"").arg(accepted);
    else if (!automatic && !job.writePassword.isEmpty())
        password = tr(", with password");
    emit log(kLogWrited,
             tr("Time %1, Write(%2) to 0x%3%4\n").arg(time, job.serialNumber, hexAddress(job.address), password)
                 + blindnessNote(*bus)
                 + (checkBack ? tr("The table is read back to check what the module kept.\n") : QString()),
             job.writeData.left(kTableSize), checksum);

    QByteArray readBack;
    quint16 readBackChecksum = 0;
    const QString verifyRecord = readRecord(job);
    if ((job.verify || checkBack)
        && !readRange(*bus, job, job.verify ? kLogVerify : kLogWrited, writeCycleAttempts(), &readBack,
                      &readBackChecksum))
        return;
    if (!restorePage(*bus, job, job.verify ? kLogVerify : kLogWrited))
        return;
    bus->close();
    if (checkBack) {
        const int first = firstKeptDifference(job, readBack);
        if (first >= 0)
            emit error(tr("Write failed: the module holds other bytes than written, the first at 0x%1")
                           .arg(hexAddress(static_cast<quint8>(first))));
        return;
    }
    if (!job.verify)
        return;
    if (!automatic && !keptAny(job, before, readBack, 0, kTableSize))
        emit writeNotKept();
    emit log(kLogVerify, verifyRecord, readBack, readBackChecksum);
}

int SFPThread::firstKeptDifference(const Job &job, const QByteArray &readBack)
{
    // Without word of what the module keeps, what was written must be there.
    const QVector<sff::Span> kept = !job.keptSpans.isEmpty()    ? job.keptSpans
                                    : !job.writeSpans.isEmpty() ? job.writeSpans
                                                                : QVector<sff::Span>{sff::Span{job.addrStart, kTableSize}};
    for (const sff::Span &span : kept) {
        for (int offset = span.offset; offset < span.end(); ++offset) {
            const int i = offset - job.addrStart;
            if (i >= 0 && i < readBack.size() && i < job.writeData.size() && readBack.at(i) != job.writeData.at(i))
                return offset;
        }
    }
    return -1;
}

bool SFPThread::enterPassword(ModuleBus &bus, const Job &job, const QByteArray &password)
{
    // Each password byte is a transaction of its own to its device.
    for (int i = 0; i < password.size(); ++i) {
        const std::vector<std::uint8_t> byte{static_cast<std::uint8_t>(password.at(i))};
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

bool SFPThread::writePages(ModuleBus &bus, const Job &job, quint16 &checksum, int skip)
{
    const QVector<Chunk> chunks = chunksOf(job);
    for (int index = 0; index < chunks.size(); ++index) {
        const Chunk &chunk = chunks.at(index);
        for (int i = chunk.first; i < chunk.first + chunk.count; ++i)
            if (countsInChecksum(job, i))
                checksum = static_cast<quint16>(checksum + static_cast<quint8>(job.writeData.at(i)));
        if (index == skip)
            continue;
        const quint8 pageAddress = static_cast<quint8>(job.addrStart + chunk.first);
        const BusFailure failure = writeChunk(bus, job, chunk);
        if (mayHaveStored(failure))
            noteReached();
        if (failure) {
            fail(bus, job, kLogWrited, failure,
                 failure.kind == BusFailure::RefusedByte ? refusedWriteByte(job, failure, pageAddress, index)
                                                         : refusal(job));
            return false;
        }
        if (!waitOutWriteCycle(bus, job))
            return false;
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

void SFPThread::noteReached()
{
    if (!reachedModule) {
        reachedModule = true;
        emit writeReachedModule();
    }
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
