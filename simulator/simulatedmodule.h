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
// Password entry: bytes written to device 0x51 at 0x7B to 0x7E go to a
// volatile password register, not to the EEPROM, and read back as 0x00, as
// modules that keep the entered password write-only do. When the register
// equals the module's password, writes are stored until the next power cycle;
// while locked, writes are acknowledged but not stored.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

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

    // A byte as a read over the bus returns it.
    std::uint8_t readable(std::uint8_t device, std::uint8_t address) const;

    // Write cycle: after each stored page the module refuses its address
    // for this long (5 ms unless set).
    void setWriteCycle(std::chrono::microseconds duration) { writeCycle = duration; }

    // Locks the module with a 4-byte password; std::nullopt removes protection.
    void setPassword(std::optional<std::array<std::uint8_t, 4>> password);
    bool isLocked() const;
    void powerCycle();

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

    struct DeviceState {
        std::array<std::uint8_t, kDeviceSize> memory{};
        std::uint8_t pointer = 0;
        int acceptBeforeRefusing = 0;
        int refusedSelections = 0;
        Time busyUntil = 0;
        int refuseDataAfter = -1;
        int refuseDataTransactions = 0;
        std::map<std::uint8_t, std::uint8_t> flippedBits;  // address, mask
    };

    DeviceState &device(std::uint8_t address) { return address == kDeviceA0 ? a0 : a2; }
    bool isDevice(std::uint8_t address) const { return address == kDeviceA0 || address == kDeviceA2; }
    void finishByteReceived(Time now);
    void loadByteToSend();
    bool stretchesAfter(Phase before, int fell) const;
    void stretch(Time now);
    void commitWrite(Time now);

    DeviceState a0, a2;
    std::chrono::microseconds writeCycle{5000};
    bool dead = false;
    std::optional<std::array<std::uint8_t, 4>> password;
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
