#pragma once
// A model of an SFP module's two-wire interface: two I2C EEPROM devices at
// 0x50 and 0x51 of 256 bytes each behind one pair of open-drain lines.
//
// It works from line levels alone, as a real slave does: the programmer model
// tells it about start and stop conditions and SCL edges, and it answers by
// pulling SDA or SCL low. It acknowledges its addresses and the bytes written
// to it, transmits with address auto-increment, stores page writes at the stop
// condition (wrapping within the 8-byte page), is busy for a write cycle after
// each stored page, and can be protected by a write password. Time is the
// programmer's simulated time, in nanoseconds.
//
// Password entry: bytes written to device 0x51 at 0x7B to 0x7E (a QSFP
// module's lower page 0x7B to 0x7E, see setPasswordEntry) go to a volatile
// password register, not to the EEPROM, and read back as 0x00, as modules
// that keep the entered password write-only do. When the register equals
// the module's password, writes are stored until the next power cycle or
// reset; while locked, writes are acknowledged but not stored. So are writes
// to bytes a module keeps read-only (its status and monitors).
//
// Pages: a device given pages has a volatile page select register at byte
// 127, which takes only the number of a page the device has (a module keeps
// the number it can serve) and chooses what its upper half shows. Page 00h is
// the upper half of memory(); other pages are EEPROM, read-only (acknowledged
// writes that change nothing, as vendor pages are) or registers with
// behaviour of their own. A device given banked pages (CMIS modules) also
// has a volatile bank select register at byte 126, which takes only the
// number of a bank it has; a banked page shows the selected bank's bytes.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// An upper page whose bytes are registers: what a read returns and what a
// write does is the page's own affair. Offsets are those of the device,
// 128 to 255; time is the module's.
class RegisterPage
{
public:
    using Time = std::int64_t;
    virtual ~RegisterPage() = default;
    virtual std::uint8_t read(int offset, Time now) = 0;
    // The bytes of one write transaction, in order, then its end.
    virtual void write(int offset, std::uint8_t value, Time now) = 0;
    virtual void writeEnded(Time now) = 0;
    // The bytes as they stand, for a file or a test; no side effects.
    virtual std::array<std::uint8_t, 128> snapshot() const = 0;
};

class SimulatedModule
{
public:
    using Time = std::int64_t;  // nanoseconds of simulated time
    static constexpr std::uint8_t kDeviceA0 = 0x50;
    static constexpr std::uint8_t kDeviceA2 = 0x51;
    static constexpr int kDeviceSize = 256;
    static constexpr int kPageSize = 8;
    static constexpr std::uint8_t kPasswordEntry = 0x7B;

    SimulatedModule();

    // Memory of one device (0x50 or 0x51), as stored in the EEPROM.
    std::array<std::uint8_t, kDeviceSize> &memory(std::uint8_t device);
    const std::array<std::uint8_t, kDeviceSize> &memory(std::uint8_t device) const;

    // A byte as a read over the bus returns it, without the side effects a
    // read may have (latched flags).
    std::uint8_t readable(std::uint8_t device, std::uint8_t address) const;

    // Pages of a device's upper half.
    enum class PageKind { Eeprom, ReadOnly };
    static constexpr std::uint8_t kPageSelect = 127;
    static constexpr int kPageSize128 = 128;
    using PageBytes = std::array<std::uint8_t, kPageSize128>;
    // Page 00h is memory()'s upper half; adding it only turns the select on.
    void addPage(std::uint8_t device, int page, PageKind kind = PageKind::Eeprom);
    void addRegisterPage(std::uint8_t device, int page, std::shared_ptr<RegisterPage> registers);
    // A page of which each bank 0 to `banks` - 1 has its own bytes; byte 126
    // selects the bank from then on.
    static constexpr std::uint8_t kBankSelect = 126;
    void addBankedPage(std::uint8_t device, int page, int banks, PageKind kind = PageKind::Eeprom);
    bool hasPages(std::uint8_t device) const;
    // The pages a device has, 00h included once it has any, each once.
    std::vector<int> pages(std::uint8_t device) const;
    // How many banks a page has: 0 for an unbanked page.
    int banksOf(std::uint8_t device, int page) const;
    // The bytes of a page other than 00h (for a register page, as they
    // stand); `bank` for a banked page.
    PageBytes pageBytes(std::uint8_t device, int page, int bank = 0) const;
    void setPageBytes(std::uint8_t device, int page, const PageBytes &bytes, int bank = 0);
    int selectedPage(std::uint8_t device) const;
    int selectedBank(std::uint8_t device) const;

    // Write cycle: after each stored page the module refuses its address
    // for this long (5 ms unless set).
    void setWriteCycle(std::chrono::microseconds duration) { writeCycle = duration; }

    // Locks the module with a 4-byte password; std::nullopt removes protection.
    // With a device only that device is locked (an SFP module's A0h).
    void setPassword(std::optional<std::array<std::uint8_t, 4>> password, int lockedDevice = -1);
    // Where the password is entered: four bytes of a device's lower half.
    void setPasswordEntry(std::uint8_t device, std::uint8_t first);
    bool isLocked() const;
    void powerCycle();
    // ResetL pulsed (or a software reset): the module starts afresh and locks
    // again, but keeps the page its device shows, as SFF-8636 modules do.
    void reset();
    // Bytes of a device's lower half that acknowledge writes and keep their value.
    void setReadOnly(std::uint8_t device, int first, int count);
    // A QSFP module takes at most this many bytes in one write; the bytes
    // after them are refused. 0: a whole 8-byte page.
    void setMaxWriteBytes(int count) { maxWriteBytes = count; }
    // While storing, the module acknowledges its address as if idle, but
    // what it is sent meanwhile is lost: only waiting out the write cycle works.
    void setAcknowledgeWhileBusy(bool acknowledge) { acknowledgeWhileBusy = acknowledge; }
    // A write of byte 93 with bit 7 set resets the module (SFF-8636's software reset).
    void setSoftwareReset(std::uint8_t device, std::uint8_t address, std::uint8_t bit);
    int resets() const { return resetCount; }

    // Faults
    // The device refuses `count` selections after accepting `after` of them.
    void refuseSelections(std::uint8_t device, int count, int after = 0);
    // Holds SCL low for `duration` after a falling edge of SCL, `count` times
    // (-1: every time) once `skip` such edges went by. `clocks` says after
    // which clocks of a byte (bit 1 to 8 for its bits, bit 9 for its
    // acknowledge; see afterClock()); 0 keeps an EEPROM's habit: before
    // acknowledging a byte it takes, and after the acknowledge of a byte it
    // sends, while it fetches the next.
    void setClockStretch(std::chrono::microseconds duration, int count = -1, unsigned clocks = 0, int skip = 0);
    static constexpr unsigned afterClock(int clock) { return 1u << clock; }
    static constexpr unsigned kAfterAcknowledge = 1u << 9;
    void refuseDataAfter(std::uint8_t device, int acknowledgedBytes, int transactions = 1);
    // Every store to that address comes out with the mask's bits inverted.
    void flipStoredBit(std::uint8_t device, std::uint8_t address, std::uint8_t mask);

    // Called after a write transaction stored bytes in the EEPROM. When it
    // returns false (the memory could not be kept), the page is undone and
    // the module stops answering until it is plugged in again.
    std::function<bool()> onStored;
    bool isAnswering() const { return !dead; }

    // Transactions that gave the module a word address: every random read
    // and every write count, a probe does not (a bare selection, or the
    // one-byte read that i2c-dev adapters probe with).
    int exchanges() const { return exchangeCount; }

    // Line interface used by the programmer model.
    bool pullsSdaLow() const { return sdaLow; }
    bool pullsSclLow(Time now) const { return now < sclHeldUntil; }
    void startCondition();
    void stopCondition(Time now);
    void sclRose(bool sda);
    void sclFell(Time now);

private:
    enum class Phase { Idle, Address, Receive, Transmit };

    struct UpperPage {
        PageKind kind = PageKind::Eeprom;
        PageBytes bytes{};
        std::shared_ptr<RegisterPage> registers;
    };

    struct DeviceState {
        std::array<std::uint8_t, kDeviceSize> memory{};
        bool paged = false;
        int selectedPage = 0;
        int banks = 0;  // of the banked pages; 0: byte 126 is no bank select
        int selectedBank = 0;
        std::map<std::pair<int, int>, UpperPage> pages;  // (bank, page) other than 00h; bank -1 when unbanked
        std::uint8_t pointer = 0;
        int acceptBeforeRefusing = 0;
        int refusedSelections = 0;
        Time busyUntil = 0;
        int refuseDataAfter = -1;
        int refuseDataTransactions = 0;
        std::map<std::uint8_t, std::uint8_t> flippedBits;  // address, mask
    };

    DeviceState &device(std::uint8_t address) { return address == kDeviceA0 ? a0 : a2; }
    bool isPasswordEntry(std::uint8_t device, std::uint8_t address) const;
    bool isReadOnly(std::uint8_t device, std::uint8_t address) const;
    bool isDevice(std::uint8_t address) const { return address == kDeviceA0 || address == kDeviceA2; }
    void finishByteReceived(Time now);
    void loadByteToSend(Time now);
    bool stretchesAfter(Phase before, int fell) const;
    std::uint8_t readForHost(std::uint8_t device, std::uint8_t address, Time now);
    // The page a byte of the upper half lives in, or nullptr for memory().
    UpperPage *upperPage(DeviceState &d, std::uint8_t address);
    static UpperPage *findPage(DeviceState &d, int page, int bank);
    const UpperPage *upperPage(const DeviceState &d, std::uint8_t address) const;
    void stretch(Time now);
    void commitWrite(Time now);

    DeviceState a0, a2;
    std::chrono::microseconds writeCycle{5000};
    bool dead = false;
    std::optional<std::array<std::uint8_t, 4>> password;
    std::uint8_t passwordDevice = kDeviceA2;
    std::uint8_t passwordFirst = kPasswordEntry;
    std::vector<std::array<int, 3>> readOnly;  // device, first, end
    int maxWriteBytes = 0;
    bool acknowledgeWhileBusy = false;
    bool lostWhileBusy = false;  // the transaction in progress came while storing
    std::array<int, 3> softwareReset{-1, -1, 0};  // device, address, bit
    int resetCount = 0;
    int lockedDevice = -1;
    std::array<std::uint8_t, 4> passwordEntry{};
    bool unlocked = false;
    std::chrono::microseconds stretchDuration{0};
    int stretchesLeft = 0;
    unsigned stretchClocks = 0;
    int stretchesSkipped = 0;

    // Transaction in progress
    Phase phase = Phase::Idle;
    std::uint8_t selected = 0;
    bool transmitting = false;
    int clock = 0;          // SCL rising edges within the present 9-clock byte
    std::uint8_t shift = 0;
    bool acknowledging = false;
    bool masterAcknowledged = false;
    int receivedBytes = 0;  // including the word address
    int acknowledgedData = 0;
    std::uint8_t wordAddress = 0;
    std::array<std::uint8_t, kPageSize> pageData{};
    std::array<bool, kPageSize> pageWritten{};
    bool refusingData = false;
    int exchangeCount = 0;

    // Lines
    bool sdaLow = false;
    Time sclHeldUntil = 0;
};
