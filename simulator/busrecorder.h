#pragma once
// Decodes what crosses the I2C lines into transactions, as a logic analyzer
// on the programmer's pins would: from start condition to stop (or the next
// start), whoever drove the bits.

#include <cstdint>
#include <vector>

struct I2cTransaction {
    std::uint8_t device = 0;      // 7-bit address from the first byte
    bool read = false;
    bool selected = false;        // the address byte was acknowledged
    std::vector<std::uint8_t> bytes;  // the bytes after the address byte
    std::vector<bool> acknowledged;   // one per byte of `bytes`
    bool stopped = false;         // ended by a stop condition, not a new start

    // For a write: its first byte, the byte address; -1 if there is none.
    int byteAddress() const { return !read && !bytes.empty() ? bytes.front() : -1; }
    // For a write: the bytes after the byte address.
    std::vector<std::uint8_t> data() const;
};

// What the lines just did, for tests that act at a known point of a transfer.
struct BusEvent {
    enum Kind { Start, Stop, Address } kind;
    I2cTransaction transaction;  // so far; for Address the selection is known
};

class BusRecorder
{
public:
    void startCondition();
    void stopCondition();
    // True when this edge was the acknowledge clock of an address byte.
    bool sclRose(bool sda);

    const std::vector<I2cTransaction> &transactions() const { return recorded; }
    int startConditions() const { return starts; }
    void clear();

private:
    std::vector<I2cTransaction> recorded;
    bool inTransaction = false;
    bool addressDone = false;
    int clock = 0;
    std::uint8_t shift = 0;
    int starts = 0;
};
