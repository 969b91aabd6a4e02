#include "simulatedmodule.h"

#include <algorithm>

SimulatedModule::SimulatedModule() = default;

bool SimulatedModule::isPasswordEntry(std::uint8_t address, std::uint8_t byteAddress) const
{
    return address == passwordDevice && byteAddress >= passwordFirst && byteAddress < passwordFirst + 4;
}

bool SimulatedModule::isReadOnly(std::uint8_t address, std::uint8_t byteAddress) const
{
    for (const auto &range : readOnly)
        if (range[0] == address && byteAddress >= range[1] && byteAddress < range[2])
            return true;
    return false;
}

void SimulatedModule::setPasswordEntry(std::uint8_t address, std::uint8_t first)
{
    passwordDevice = address;
    passwordFirst = first;
}

void SimulatedModule::setReadOnly(std::uint8_t address, int first, int count)
{
    readOnly.push_back({address, first, first + count});
}

void SimulatedModule::setSoftwareReset(std::uint8_t address, std::uint8_t byteAddress, std::uint8_t bit)
{
    softwareReset = {address, byteAddress, bit};
}

void SimulatedModule::reset()
{
    passwordEntry = {};
    unlocked = false;
    a0.busyUntil = a2.busyUntil = 0;
    ++resetCount;
}

std::array<std::uint8_t, SimulatedModule::kDeviceSize> &SimulatedModule::memory(std::uint8_t address)
{
    return device(address).memory;
}

const std::array<std::uint8_t, SimulatedModule::kDeviceSize> &SimulatedModule::memory(std::uint8_t address) const
{
    return address == kDeviceA0 ? a0.memory : a2.memory;
}

void SimulatedModule::addPage(std::uint8_t address, int page, PageKind kind)
{
    DeviceState &d = device(address);
    d.paged = true;
    if (page != 0)
        d.pages[{-1, page}] = UpperPage{kind, {}, nullptr};
}

void SimulatedModule::addRegisterPage(std::uint8_t address, int page, std::shared_ptr<RegisterPage> registers)
{
    DeviceState &d = device(address);
    d.paged = true;
    d.pages[{-1, page}] = UpperPage{PageKind::ReadOnly, {}, std::move(registers)};
}

void SimulatedModule::addBankedPage(std::uint8_t address, int page, int banks, PageKind kind)
{
    DeviceState &d = device(address);
    d.paged = true;
    d.banks = std::max(d.banks, banks);
    for (int bank = 0; bank < banks; ++bank)
        d.pages[{bank, page}] = UpperPage{kind, {}, nullptr};
}

int SimulatedModule::banksOf(std::uint8_t address, int page) const
{
    const DeviceState &d = address == kDeviceA0 ? a0 : a2;
    int banks = 0;
    for (const auto &entry : d.pages)
        if (entry.first.second == page && entry.first.first >= 0)
            ++banks;
    return banks;
}

int SimulatedModule::selectedBank(std::uint8_t address) const
{
    return (address == kDeviceA0 ? a0 : a2).selectedBank;
}

SimulatedModule::UpperPage *SimulatedModule::findPage(DeviceState &d, int page, int bank)
{
    auto found = d.pages.find({-1, page});
    if (found == d.pages.end())
        found = d.pages.find({bank, page});
    return found == d.pages.end() ? nullptr : &found->second;
}

bool SimulatedModule::hasPages(std::uint8_t address) const
{
    return (address == kDeviceA0 ? a0 : a2).paged;
}

std::vector<int> SimulatedModule::pages(std::uint8_t address) const
{
    const DeviceState &d = address == kDeviceA0 ? a0 : a2;
    std::vector<int> list;
    if (d.paged)
        list.push_back(0);
    for (const auto &entry : d.pages)
        if (std::find(list.begin(), list.end(), entry.first.second) == list.end())
            list.push_back(entry.first.second);
    std::sort(list.begin(), list.end());
    return list;
}

SimulatedModule::PageBytes SimulatedModule::pageBytes(std::uint8_t address, int page, int bank) const
{
    const UpperPage *found = findPage(const_cast<DeviceState &>(address == kDeviceA0 ? a0 : a2), page, bank);
    if (!found)
        return {};
    return found->registers ? found->registers->snapshot() : found->bytes;
}

void SimulatedModule::setPageBytes(std::uint8_t address, int page, const PageBytes &bytes, int bank)
{
    UpperPage *found = findPage(device(address), page, bank);
    if (found && !found->registers)
        found->bytes = bytes;
}

int SimulatedModule::selectedPage(std::uint8_t address) const
{
    return (address == kDeviceA0 ? a0 : a2).selectedPage;
}

SimulatedModule::UpperPage *SimulatedModule::upperPage(DeviceState &d, std::uint8_t address)
{
    if (address < kPageSize128 || !d.paged || d.selectedPage == 0)
        return nullptr;
    return findPage(d, d.selectedPage, d.selectedBank);
}

const SimulatedModule::UpperPage *SimulatedModule::upperPage(const DeviceState &d, std::uint8_t address) const
{
    return const_cast<SimulatedModule *>(this)->upperPage(const_cast<DeviceState &>(d), address);
}

void SimulatedModule::setPassword(std::optional<std::array<std::uint8_t, 4>> newPassword, int newLockedDevice)
{
    password = newPassword;
    lockedDevice = newLockedDevice;
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
    a0.selectedPage = a2.selectedPage = 0;
    a0.selectedBank = a2.selectedBank = 0;
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
                    loadByteToSend(now);
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
                loadByteToSend(now);
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
        const bool busy = now < d.busyUntil && d.busyUntil - now <= std::chrono::nanoseconds(writeCycle).count();
        if (busy && !acknowledgeWhileBusy)
            return;
        lostWhileBusy = busy;
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
    if (maxWriteBytes > 0 && acknowledgedData >= maxWriteBytes)
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
    const DeviceState &d = address == kDeviceA0 ? a0 : a2;
    if (d.paged && byteAddress == kPageSelect)
        return static_cast<std::uint8_t>(d.selectedPage);
    if (d.banks > 0 && byteAddress == kBankSelect)
        return static_cast<std::uint8_t>(d.selectedBank);
    if (const UpperPage *page = upperPage(d, byteAddress))
        return page->registers ? page->registers->snapshot()[byteAddress - kPageSize128]
                               : page->bytes[byteAddress - kPageSize128];
    return d.memory[byteAddress];
}

std::uint8_t SimulatedModule::readForHost(std::uint8_t address, std::uint8_t byteAddress, Time now)
{
    if (UpperPage *page = upperPage(device(address), byteAddress))
        if (page->registers)
            return page->registers->read(byteAddress, now);
    return readable(address, byteAddress);
}

void SimulatedModule::loadByteToSend(Time now)
{
    DeviceState &d = device(selected);
    shift = readForHost(selected, d.pointer, now);
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
    if (receivedBytes <= 1 || lostWhileBusy)
        return;  // only a word address, which sets the pointer for a read; or lost to the write cycle
    if (refusingData && d.refuseDataTransactions > 0)
        --d.refuseDataTransactions;

    const std::uint8_t pageStart = wordAddress & ~(kPageSize - 1);
    const std::array<std::uint8_t, kDeviceSize> before = d.memory;
    UpperPage *page = upperPage(d, pageStart);
    const PageBytes pageBefore = page ? page->bytes : PageBytes{};
    bool stored = false;
    bool passwordWritten = false;
    for (int slot = 0; slot < kPageSize; ++slot) {
        if (!pageWritten[slot])
            continue;
        const std::uint8_t address = static_cast<std::uint8_t>(pageStart + slot);
        std::uint8_t value = pageData[slot];
        if (isPasswordEntry(selected, address)) {
            passwordEntry[address - passwordFirst] = value;
            passwordWritten = true;
            continue;
        }
        if (selected == softwareReset[0] && address == softwareReset[1] && (value & softwareReset[2])) {
            reset();
            continue;
        }
        // The bank comes first in a write of both, so the page is judged in its bank.
        if (d.banks > 0 && address == kBankSelect) {
            if (value < d.banks)
                d.selectedBank = value;
            continue;
        }
        if (d.paged && address == kPageSelect) {
            if (value == 0 || findPage(d, value, d.selectedBank))
                d.selectedPage = value;
            continue;
        }
        if (page && page->registers) {
            page->registers->write(address, value, now);
            continue;
        }
        const bool locked = isLocked() && (lockedDevice < 0 || lockedDevice == selected);
        if (locked || (page && page->kind == PageKind::ReadOnly) || (!page && isReadOnly(selected, address)))
            continue;
        auto flipped = d.flippedBits.find(address);
        if (flipped != d.flippedBits.end())
            value ^= flipped->second;
        if (page)
            page->bytes[address - kPageSize128] = value;
        else
            d.memory[address] = value;
        stored = true;
    }
    if (page && page->registers)
        page->registers->writeEnded(now);
    d.pointer = static_cast<std::uint8_t>(pageStart + (wordAddress + acknowledgedData) % kPageSize);
    if (passwordWritten && password)
        unlocked = passwordEntry == *password;
    if (stored) {
        d.busyUntil = now + std::chrono::duration_cast<std::chrono::nanoseconds>(writeCycle).count();
        if (onStored && !onStored()) {
            d.memory = before;
            if (page)
                page->bytes = pageBefore;
            dead = true;
        }
    }
}
