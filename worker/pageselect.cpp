// Page selection around a transfer: the page is selected and checked before
// it, and the module's own page selected again after it, also when the
// transfer fails (see fail()).

#include "modulebus.h"
#include "sfpthread.h"

namespace {

std::vector<std::uint8_t> wantedSelection(int page, int bank)
{
    if (bank >= 0)
        return {static_cast<std::uint8_t>(bank), static_cast<std::uint8_t>(page)};
    return {static_cast<std::uint8_t>(page)};
}

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

bool SFPThread::selectPage(ModuleBus &bus, const Job &job, LogType kind)
{
    pageRestore = PageRestore();
    if (!job.paged())
        return true;
    const sff::Span select = job.bank >= 0 ? sff::kBankAndPageSelect : sff::kPageSelect;
    const auto offset = static_cast<std::uint8_t>(select.offset);
    const std::vector<std::uint8_t> wanted = wantedSelection(job.page, job.bank);
    const Attempts attempts{5, std::int64_t{kWriteCycleWaitMs} * 1000};
    const QString refusal = tr("Couldn't select page %1h of device 0x%2").arg(hexByte(job.page), hexAddress(job.address));

    std::vector<std::uint8_t> before;
    if (const BusFailure failure = bus.read(job.address, offset, select.length, attempts, before)) {
        fail(bus, job, kind, failure, refusal);
        return false;
    }
    if (before == wanted)
        return true;
    if (const BusFailure failure = bus.writePage(job.address, offset, wanted, attempts)) {
        fail(bus, job, kind, failure, refusal);
        return false;
    }
    pageRestore = PageRestore{true, offset, before};
    std::vector<std::uint8_t> taken;
    if (const BusFailure failure = bus.read(job.address, offset, select.length, attempts, taken)) {
        fail(bus, job, kind, failure, refusal);
        return false;
    }
    if (taken != wanted) {
        // It never took the number: there is nothing to put back.
        pageRestore = PageRestore();
        bus.close();
        emit error(tr("The module did not take page %1h: byte %2 of device 0x%3 reads %4h, so it has no such page, "
                      "or no pages at all; nothing was transferred")
                       .arg(hexByte(job.page))
                       .arg(sff::kPageSelect.offset)
                       .arg(hexAddress(job.address), hexByte(taken.empty() ? 0 : taken.back())));
        return false;
    }
    return true;
}

bool SFPThread::restorePage(ModuleBus &bus, const Job &job, LogType kind)
{
    if (!pageRestore.pending)
        return true;
    const PageRestore restore = pageRestore;
    pageRestore = PageRestore();
    const BusFailure failure = bus.writePage(job.address, static_cast<std::uint8_t>(restore.offset), restore.bytes,
                                             Attempts{5, std::int64_t{kWriteCycleWaitMs} * 1000});
    if (failure) {
        fail(bus, job, kind, failure,
             tr("Couldn't select page %1h of device 0x%2 again").arg(hexByte(restore.bytes.back()),
                                                                        hexAddress(job.address)));
        return false;
    }
    return true;
}
