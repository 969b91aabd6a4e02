#include "simulatedmodule.h"

namespace {

bool isPasswordEntry(std::uint8_t device, std::uint8_t address)
{
    return device == SimulatedModule::kDeviceA2 && address >= SimulatedModule::kPasswordEntry
           && address < SimulatedModule::kPasswordEntry + 4;
}

}  // namespace

SimulatedModule::SimulatedModule() = default;

std::array<std::uint8_t, SimulatedModule::kDeviceSize> &SimulatedModule::memory(std::uint8_t address)
{
    return device(address).memory;
}

const std::array<std::uint8_t, SimulatedModule::kDeviceSize> &SimulatedModule::memory(std::uint8_t address) const
{
    return address == kDeviceA0 ? a0.memory : a2.memory;
}

void SimulatedModule::setPassword(std::optional<std::array<std::uint8_t, 4>> newPassword)
{
    password = newPassword;
    unlocked = password && passwordEntry == *password;
}

bool SimulatedModule::isLocked() const
{
    return password && !unlocked;
}

void SimulatedModule::powerCycle()
{
    passwordEntry = {};
    unlocked = false;
    phase = Phase::Idle;
    sdaLow = false;
    sclHeldUntil = 0;
    a0.busyUntil = a2.busyUntil = 0;
    dead = false;
}

void SimulatedModule::refuseSelections(std::uint8_t address, int count, int after)
{
    DeviceState &d = device(address);
    d.acceptBeforeRefusing = after;
    d.refusedSelections = count;
}

void SimulatedModule::setClockStretch(std::chrono::microseconds duration, int count, unsigned clocks, int skip)
{
    stretchDuration = duration;
    stretchesLeft = count;
    stretchClocks = clocks;
    stretchesSkipped = skip;
}

void SimulatedModule::refuseDataAfter(std::uint8_t address, int acknowledgedBytes, int transactions)
{
    DeviceState &d = device(address);
    d.refuseDataAfter = acknowledgedBytes;
    d.refuseDataTransactions = transactions;
}

void SimulatedModule::flipStoredBit(std::uint8_t address, std::uint8_t byteAddress, std::uint8_t mask)
{
    device(address).flippedBits[byteAddress] = mask;
}

void SimulatedModule::startCondition()
{
    // A start in the middle of a write abandons it, as in an EEPROM: only a
    // stop condition begins the write cycle.
    phase = Phase::Address;
    clock = 0;
    shift = 0;
    sdaLow = false;
    acknowledging = false;
    transmitting = false;
    receivedBytes = 0;
    acknowledgedData = 0;
    pageWritten.fill(false);
    refusingData = false;
}

void SimulatedModule::stopCondition(Time now)
{
    if (phase == Phase::Receive)
        commitWrite(now);
    phase = Phase::Idle;
    sdaLow = false;
}

void SimulatedModule::sclRose(bool sda)
{
    switch (phase) {
    case Phase::Idle:
        return;
    case Phase::Address:
    case Phase::Receive:
        ++clock;
        if (clock <= 8)
            shift = static_cast<std::uint8_t>((shift << 1) | (sda ? 1 : 0));
        return;
    case Phase::Transmit:
        ++clock;
        if (clock == 9)
            masterAcknowledged = !sda;
        return;
    }
}

void SimulatedModule::sclFell(Time now)
{
    const Phase before = phase;
    const int fell = clock;
    switch (phase) {
    case Phase::Idle:
        return;
    case Phase::Address:
    case Phase::Receive:
        if (clock == 8) {
            finishByteReceived(now);
            sdaLow = acknowledging;
        } else if (clock == 9) {
            sdaLow = false;
            clock = 0;
            shift = 0;
            if (phase == Phase::Address) {
                if (!acknowledging) {
                    phase = Phase::Idle;  // not for us, or busy: wait for the next start
                } else if (transmitting) {
                    phase = Phase::Transmit;
                    loadByteToSend();
                } else {
                    phase = Phase::Receive;
                }
            }
        }
        break;
    case Phase::Transmit:
        if (clock >= 1 && clock <= 7) {
            sdaLow = !((shift >> (7 - clock)) & 1);
        } else if (clock == 8) {
            sdaLow = false;  // the master acknowledges
        } else if (clock == 9) {
            clock = 0;
            if (masterAcknowledged)
                loadByteToSend();
            else
                phase = Phase::Idle;
        }
        break;
    }
    if (stretchesAfter(before, fell))
        stretch(now);
}

bool SimulatedModule::stretchesAfter(Phase before, int fell) const
{
    // Only a module taking part in the transaction holds the clock.
    const bool receiving = before == Phase::Address || before == Phase::Receive;
    if (receiving ? !acknowledging : phase == Phase::Idle)
        return false;
    if (stretchClocks != 0)
        return (before != Phase::Address || fell >= 8) && (stretchClocks & afterClock(fell));
    return receiving && phase != Phase::Transmit ? fell == 8 : fell == 9;
}

void SimulatedModule::finishByteReceived(Time now)
{
    acknowledging = false;
    if (phase == Phase::Address) {
        const std::uint8_t address = shift >> 1;
        if (!isDevice(address) || dead)
            return;
        DeviceState &d = device(address);
        if (d.refusedSelections > 0) {
            if (d.acceptBeforeRefusing > 0) {
                --d.acceptBeforeRefusing;
            } else {
                --d.refusedSelections;
                return;
            }
        }
        // Busy with a write cycle; a time further back than one cycle is
        // another programmer's clock, one that found the module idle.
        if (now < d.busyUntil && d.busyUntil - now <= std::chrono::nanoseconds(writeCycle).count())
            return;
        selected = address;
        transmitting = shift & 1;
        acknowledging = true;
        return;
    }

    DeviceState &d = device(selected);
    ++receivedBytes;
    if (receivedBytes == 1) {
        ++exchangeCount;
        wordAddress = shift;
        d.pointer = shift;
        acknowledging = true;
        return;
    }
    if (d.refuseDataTransactions > 0 && acknowledgedData >= d.refuseDataAfter)
        refusingData = true;
    if (refusingData)
        return;
    const int slot = (wordAddress + receivedBytes - 2) % kPageSize;
    pageData[slot] = shift;
    pageWritten[slot] = true;
    ++acknowledgedData;
    acknowledging = true;
}

std::uint8_t SimulatedModule::readable(std::uint8_t address, std::uint8_t byteAddress) const
{
    if (isPasswordEntry(address, byteAddress))
        return 0x00;
    return memory(address)[byteAddress];
}

void SimulatedModule::loadByteToSend()
{
    DeviceState &d = device(selected);
    shift = readable(selected, d.pointer);
    d.pointer = static_cast<std::uint8_t>(d.pointer + 1);
    sdaLow = !(shift & 0x80);
}

void SimulatedModule::stretch(Time now)
{
    if (stretchesLeft == 0 || stretchDuration.count() <= 0)
        return;
    if (stretchesSkipped > 0) {
        --stretchesSkipped;
        return;
    }
    sclHeldUntil = now + std::chrono::duration_cast<std::chrono::nanoseconds>(stretchDuration).count();
    if (stretchesLeft > 0)
        --stretchesLeft;
}

void SimulatedModule::commitWrite(Time now)
{
    DeviceState &d = device(selected);
    if (receivedBytes <= 1)
        return;  // only a word address: sets the pointer for a following read
    if (refusingData && d.refuseDataTransactions > 0)
        --d.refuseDataTransactions;

    const std::uint8_t pageStart = wordAddress & ~(kPageSize - 1);
    const std::array<std::uint8_t, kDeviceSize> before = d.memory;
    bool stored = false;
    bool passwordWritten = false;
    for (int slot = 0; slot < kPageSize; ++slot) {
        if (!pageWritten[slot])
            continue;
        const std::uint8_t address = static_cast<std::uint8_t>(pageStart + slot);
        std::uint8_t value = pageData[slot];
        if (isPasswordEntry(selected, address)) {
            passwordEntry[address - kPasswordEntry] = value;
            passwordWritten = true;
            continue;
        }
        if (isLocked())
            continue;
        auto flipped = d.flippedBits.find(address);
        if (flipped != d.flippedBits.end())
            value ^= flipped->second;
        d.memory[address] = value;
        stored = true;
    }
    d.pointer = static_cast<std::uint8_t>(pageStart + (wordAddress + acknowledgedData) % kPageSize);
    if (passwordWritten && password)
        unlocked = passwordEntry == *password;
    if (stored) {
        d.busyUntil = now + std::chrono::duration_cast<std::chrono::nanoseconds>(writeCycle).count();
        if (onStored && !onStored()) {
            d.memory = before;
            dead = true;
        }
    }
}
