#include "ftdimodulebus.h"

#include <utility>

namespace {

I2cMaster::Exchange masterExchange(FtdiModuleBus::Exchange exchange)
{
    return exchange == FtdiModuleBus::Exchange::Fast ? I2cMaster::Exchange::Batched
                                                     : I2cMaster::Exchange::PerFlush;
}

}  // namespace

FtdiModuleBus::FtdiModuleBus(Exchange exchange)
    : master(port, masterExchange(exchange),
             exchange == Exchange::Fast ? I2cMaster::kFastTiming : I2cMaster::kToolTiming)
    , initialExchange(masterExchange(exchange))
    , speed(exchange == Exchange::Fast ? BitBangPort::Speed::Fast : BitBangPort::Speed::Compatible)
{
}

FtdiModuleBus::~FtdiModuleBus()
{
    close();
}

BusFailure FtdiModuleBus::open(const std::string &serialNumber)
{
    master.reset(initialExchange);
    if (port.open(serialNumber.c_str(), speed))
        return {};
    return BusFailure::of(BusFailure::NoProgrammer, port.failure());
}

void FtdiModuleBus::close()
{
    if (!port.isOpen())
        return;
    // Whatever is still queued (the stop after a refused selection, say)
    // goes out before the chip is released.
    master.dropResults();
    master.sync();
    port.close();
}

template <typename Operation>
BusFailure FtdiModuleBus::withFallback(Operation operation)
{
    BusFailure failure = operation();
    // An operation that failed has closed the port; only a spoilt one that
    // went through is done again.
    while (!failure && spoilt()) {
        master.clearStretched();
        master.recoverBus();
        // Per flush next, then per flush waiting at every clock, where no
        // stretch can go unseen.
        if (master.exchange() == I2cMaster::Exchange::Batched) {
            master.setExchange(I2cMaster::Exchange::PerFlush);
        } else if (!master.waitsForEveryClock()) {
            master.setWaitForEveryClock(true);
        } else {
            abortCleanup(false);
            return BusFailure::of(BusFailure::BusStuck);
        }
        failure = operation();
    }
    return failure;
}

BusFailure FtdiModuleBus::read(std::uint8_t device, std::uint8_t offset, int count, const Attempts &attempts,
                               std::vector<std::uint8_t> &data)
{
    return withFallback([&] { return readOnce(device, offset, count, attempts, data); });
}

BusFailure FtdiModuleBus::writePage(std::uint8_t device, std::uint8_t offset, const std::vector<std::uint8_t> &bytes,
                                    const Attempts &attempts)
{
    return withFallback([&] { return writePageOnce(device, offset, bytes, attempts); });
}

BusFailure FtdiModuleBus::probe(std::uint8_t device, bool &answered)
{
    return withFallback([&] {
        answered = false;
        if (BusFailure failure = checkAbort(false))
            return failure;
        answered = master.selectWrite(device) == 0;
        if (spoilt())
            return BusFailure();
        master.stop();
        master.sync();
        return master.failed() ? portFailure() : BusFailure();
    });
}

BusFailure FtdiModuleBus::waitReady(std::uint8_t device, const Attempts &attempts)
{
    return withFallback([&] {
        if (BusFailure failure = checkAbort(false))
            return failure;
        if (BusFailure failure = select(device, false, attempts); failure || spoilt())
            return failure;
        master.stop();
        master.sync();
        return master.failed() ? portFailure() : BusFailure();
    });
}

BusFailure FtdiModuleBus::readOnce(std::uint8_t device, std::uint8_t offset, int count, const Attempts &attempts,
                                   std::vector<std::uint8_t> &data)
{
    data.assign(static_cast<size_t>(count > 0 ? count : 0), 0);
    acknowledges.assign(1, 1);
    if (BusFailure failure = checkAbort(false))
        return failure;

    // A random read: the word address is written and ended by a stop, then a
    // fresh start addresses the module for reading.
    if (BusFailure failure = select(device, false, attempts); failure || spoilt())
        return failure;
    master.writeByte(offset, &acknowledges[0]);
    master.stop();
    if (spoilt())
        return {};
    if (BusFailure failure = checkAbort(false))
        return failure;
    // The module has just answered, so it is not busy: the plain count of
    // attempts covers the selection for reading.
    if (BusFailure failure = select(device, true, Attempts{attempts.minimum, 0}); failure || spoilt())
        return failure;
    if (acknowledges[0] != 0) {
        abortCleanup(true);
        BusFailure refused = BusFailure::of(BusFailure::RefusedByte);
        refused.index = 0;
        return refused;
    }

    for (int i = 0; i < count; ++i) {
        if (BusFailure failure = checkAbort(true))
            return failure;
        master.readByte(i != count - 1, &data[static_cast<size_t>(i)]);  // the last byte gets no acknowledge
        if (spoilt())
            return {};
    }
    master.stop();
    master.sync();
    if (spoilt())
        return {};
    return master.failed() ? portFailure() : BusFailure();
}

BusFailure FtdiModuleBus::writePageOnce(std::uint8_t device, std::uint8_t offset,
                                        const std::vector<std::uint8_t> &bytes, const Attempts &attempts)
{
    acknowledges.assign(bytes.size() + 1, 1);
    if (BusFailure failure = checkAbort(false))
        return failure;
    if (BusFailure failure = select(device, false, attempts); failure || spoilt())
        return failure;
    // Per flush, a byte the module took while holding the clock ends the
    // page before its stop, so that the module never keeps it.
    master.writeByte(offset, &acknowledges[0]);
    if (spoilt())
        return {};
    if (BusFailure failure = checkAbort(false))
        return failure;
    for (size_t i = 0; i < bytes.size(); ++i) {
        master.writeByte(bytes[i], &acknowledges[i + 1]);
        if (spoilt())
            return {};
        if (BusFailure failure = checkAbort(false))
            return failure;
    }
    // Refusals are judged after the stop, which the page gets in any case,
    // so that a module never waits in a half-written page.
    master.stop();
    master.sync();
    if (spoilt())
        return {};
    if (master.failed())
        return portFailure();
    for (size_t i = 0; i < acknowledges.size(); ++i) {
        if (acknowledges[i] != 0) {
            BusFailure refused = BusFailure::of(BusFailure::RefusedByte);
            refused.index = static_cast<int>(i);
            return refused;
        }
    }
    return {};
}

BusFailure FtdiModuleBus::select(std::uint8_t device, bool forReading, const Attempts &attempts)
{
    const std::int64_t firstUs = port.nowUs();
    for (int attempt = 1;; ++attempt) {
        const bool acknowledged = (forReading ? master.selectRead(device) : master.selectWrite(device)) == 0;
        if (spoilt())
            return {};
        // Once addressed for reading the module drives SDA, so an abort must
        // read a byte off it before a stop can be made.
        if (BusFailure failure = checkAbort(forReading && acknowledged))
            return failure;
        if (acknowledged)
            return {};
        master.stop();
        if (attempt >= attempts.minimum && port.nowUs() - firstUs >= attempts.pollUs) {
            BusFailure refused = BusFailure::of(BusFailure::RefusedSelection);
            refused.forReading = forReading;
            return refused;
        }
    }
}

BusFailure FtdiModuleBus::checkAbort(bool midRead)
{
    if (master.failed())
        return portFailure();
    if (stopRequested()) {
        abortCleanup(midRead);
        return master.failed() ? portFailure() : BusFailure::of(BusFailure::Stopped);
    }
    if (master.sclTimedOut) {
        abortCleanup(midRead);
        return BusFailure::of(BusFailure::BusStuck);
    }
    return {};
}

void FtdiModuleBus::abortCleanup(bool midRead)
{
    master.dropResults();
    if (midRead)
        master.readByte(false, &scratch);  // without acknowledge, so the module lets go of SDA
    master.stop();
    master.sync();
    master.dropResults();
    port.close();
}

BusFailure FtdiModuleBus::setLines(Drive sda, Drive scl, Levels &levels)
{
    port.sdaOutput = sda != Drive::Released;
    port.sclOutput = scl != Drive::Released;
    port.sdaLevel = sda != Drive::Low;
    port.sclLevel = scl != Drive::Low;
    std::uint8_t pins = 0;
    if (!port.setPins(pins))
        return portFailure();
    levels.sda = port.sdaOf(pins);
    levels.scl = port.sclOf(pins);
    return {};
}

void FtdiModuleBus::swapLines(bool swapped)
{
    if (swapped != linesSwapped)
        std::swap(port.sdaBit, port.sclBit);
    linesSwapped = swapped;
}

BusFailure FtdiModuleBus::portFailure()
{
    BusFailure failure = BusFailure::of(BusFailure::Io, port.failure());
    // Nothing more is sent to a chip that failed.
    port.close();
    return failure;
}
