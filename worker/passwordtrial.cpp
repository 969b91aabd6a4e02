// A write that does not know the module's password tries a list of them. A
// locked module either refuses the data bytes or acknowledges them and keeps
// nothing, so each candidate is judged on the first page that would change a
// byte the module keeps: written, read back, and written again after the next
// candidate when nothing of it stuck. A page that changes nothing cannot tell
// a password from another; when no page changes anything, no password is
// entered at all and the write goes on as a plain one.

#include "modulebus.h"
#include "sfpthread.h"
#include "textfields.h"

#include <algorithm>

PasswordCandidates withFirst(PasswordCandidates candidates, const QString &name)
{
    for (int i = 0; i < candidates.size(); ++i) {
        if (candidates.at(i).name == name) {
            candidates.prepend(candidates.takeAt(i));
            break;
        }
    }
    return candidates;
}

QString SFPThread::notKeptMessage()
{
    return tr("the module acknowledges writes here but keeps nothing: its identification is locked");
}

bool SFPThread::readTable(ModuleBus &bus, const Job &job, QByteArray *bytes)
{
    std::vector<std::uint8_t> data;
    if (const BusFailure failure =
            bus.read(job.address, static_cast<quint8>(job.addrStart), kTableSize, writeCycleAttempts(), data)) {
        fail(bus, job, kLogWrited, failure, refusal(job));
        return false;
    }
    *bytes = QByteArray(reinterpret_cast<const char *>(data.data()), static_cast<int>(data.size()));
    return true;
}

bool SFPThread::readIdentification(ModuleBus &bus, const Job &job, Identity *identity)
{
    // The names may lie on a page of their own, selected for the read and
    // put back before the job's own.
    const sff::Identification &names = job.identification;
    Job read = job;
    read.address = names.region.device;
    read.page = names.region.page.number;
    read.bank = names.region.page.bank;
    read.addrStart = names.region.firstByte();
    read.addrEnd = read.addrStart + kTableSize;
    const int from = qMin(names.vendorName.offset, names.partNumber.offset);
    const int to = qMax(names.vendorName.end(), names.partNumber.end());
    std::vector<std::uint8_t> data;
    if (!selectPage(bus, read, kLogWrited))
        return false;
    if (const BusFailure failure =
            bus.read(read.address, static_cast<quint8>(from), to - from, writeCycleAttempts(), data)) {
        fail(bus, read, kLogWrited, failure, refusal(job));
        return false;
    }
    if (!restorePage(bus, read, kLogWrited))
        return false;
    const QByteArray bytes(reinterpret_cast<const char *>(data.data()), static_cast<int>(data.size()));
    identity->vendor = sff::readText(bytes.mid(names.vendorName.offset - from, names.vendorName.length)).text;
    identity->partNumber = sff::readText(bytes.mid(names.partNumber.offset - from, names.partNumber.length)).text;
    return true;
}

bool SFPThread::keptAny(const Job &job, const QByteArray &before, const QByteArray &readBack, int from, int count)
{
    const QVector<sff::Span> kept = job.keptSpans.isEmpty() ? job.writeSpans : job.keptSpans;
    bool changes = false;
    for (int i = from; i < from + count && i < before.size() && i < readBack.size(); ++i) {
        const int offset = job.addrStart + i;
        const bool keeps = kept.isEmpty() || std::any_of(kept.cbegin(), kept.cend(), [offset](const sff::Span &span) {
                               return offset >= span.offset && offset < span.end();
                           });
        if (!keeps || before.at(i) == job.writeData.at(i))
            continue;
        if (readBack.at(i) == job.writeData.at(i))
            return true;
        changes = true;
    }
    return !changes;
}

bool SFPThread::unlock(ModuleBus &bus, const Job &job, const Identity &identity, const QByteArray &before, int *skip,
                       QString *name)
{
    const QVector<Chunk> chunks = chunksOf(job);
    int probe = -1;
    // The first chunk that changes a kept byte: read back unchanged, it
    // was ignored.
    for (int index = 0; index < chunks.size() && probe < 0; ++index)
        if (!keptAny(job, before, before, chunks.at(index).first, chunks.at(index).count))
            probe = index;
    *skip = -1;
    if (probe < 0)
        return true;

    PasswordCandidates candidates = job.passwordCandidates;
    candidates.append({tr("no password"), QByteArray()});
    if (job.passwordRecall)
        candidates = withFirst(candidates, job.passwordRecall(identity.vendor, identity.partNumber));

    const Chunk &chunk = chunks.at(probe);
    QStringList tried;
    bool acknowledged = false;
    for (const PasswordCandidate &candidate : candidates) {
        if (!enterPassword(bus, job, candidate.password))
            return false;
        const BusFailure failure = writeChunk(bus, job, chunk);
        tried.append(candidate.name);
        // Bytes before a refused one may have stuck: the table counts as
        // changed, though the next candidate is tried all the same.
        if (failure && mayHaveStored(failure))
            noteReached();
        if (failure.kind == BusFailure::RefusedByte && failure.index >= 1)
            continue;
        if (failure) {
            fail(bus, job, kLogWrited, failure, refusal(job));
            return false;
        }
        if (!waitOutWriteCycle(bus, job))
            return false;
        std::vector<std::uint8_t> data;
        if (const BusFailure readFailure = bus.read(job.address, static_cast<quint8>(job.addrStart + chunk.first),
                                                    chunk.count, writeCycleAttempts(), data)) {
            noteReached();
            fail(bus, job, kLogWrited, readFailure, refusal(job));
            return false;
        }
        QByteArray readBack = before;
        readBack.replace(chunk.first, chunk.count,
                         QByteArray(reinterpret_cast<const char *>(data.data()), static_cast<int>(data.size())));
        if (keptAny(job, before, readBack, chunk.first, chunk.count)) {
            noteReached();
            *skip = probe;
            *name = candidate.name;
            emit passwordAccepted(candidate.name, identity.vendor, identity.partNumber);
            return true;
        }
        acknowledged = true;
    }
    // Nothing of the module changed; its page goes back as it was.
    if (!restorePage(bus, job, kLogWrited))
        return false;
    bus.close();
    QString message =
        tr("No password of the list unlocked the module; tried: %1").arg(tried.join(QStringLiteral(", ")));
    if (acknowledged)
        message += QStringLiteral("; ") + notKeptMessage();
    emit error(message);
    return false;
}
