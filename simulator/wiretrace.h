#pragma once
// The two lines of a simulated socket as a logic analyser records them:
// every change of level with the simulated time it happened at, the I2C
// timing that follows from them, and a value change dump that logic
// analyser software (sigrok-cli, PulseView, GTKWave) reads.

#include <QByteArray>

#include <cstdint>
#include <vector>

struct LineLevels {
    std::int64_t at;  // nanoseconds of simulated time
    bool sda;
    bool scl;
};

// The shortest of each I2C interval seen, in nanoseconds; -1 where the
// trace holds none.
struct I2cTiming {
    std::int64_t low = -1;          // tLOW: SCL low
    std::int64_t high = -1;         // tHIGH: SCL high
    std::int64_t startHold = -1;    // tHD;STA: a start's SDA fall to SCL falling
    std::int64_t startSetup = -1;   // tSU;STA: SCL rising to a repeated start's SDA fall
    std::int64_t stopSetup = -1;    // tSU;STO: SCL rising to a stop's SDA rise
    std::int64_t busFree = -1;      // tBUF: a stop to the next start
    std::int64_t dataSetup = -1;    // tSU;DAT: SDA settled to SCL rising
    std::int64_t clockPeriod = -1;  // one SCL rise to the next, within a transaction
    int starts = 0;
    int stops = 0;
};

class WireTrace
{
public:
    // The levels at `at`; recorded only when they differ from the last.
    void note(std::int64_t at, bool sda, bool scl);
    const std::vector<LineLevels> &changes() const { return levels; }
    void clear() { levels.clear(); }

    I2cTiming timing() const;
    // Value change dump, in nanoseconds, with the wires "scl" and "sda".
    QByteArray vcd() const;

private:
    std::vector<LineLevels> levels;
};
