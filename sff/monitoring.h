#pragma once
// What the diagnostics monitor reads and shows, by the module's family, so
// that the monitor itself knows no offset and no family:
//   - the reads that set it up (the identification bytes that tell the
//     family and whether there are diagnostics, then the thresholds),
//   - the reads of every poll,
//   - the measurements the bytes then hold, each with its thresholds.
// An SFP module gives five measurements; a QSFP module its temperature and
// supply, and the bias, TX power and RX power of each of its four lanes; a
// CMIS module the same of the eight lanes of its bank 0 (page 11h).

#include "diagnosticvalues.h"
#include "family.h"

#include <QVector>

#include <optional>

namespace sff {

// One read: bytes of a device, the upper ones as a page shows them (the
// page to select: none for an unpaged device or a flat memory).
struct MonitorRead {
    quint8 device;
    Span span;
    Page page;  // of the upper half, as the image keeps it
    Page select;  // what the transfer selects
};

// The next read that setting up needs, given the bytes known so far; none
// once the monitor is set up (or finds no diagnostics).
std::optional<MonitorRead> monitorSetupRead(const ModuleImage &known);
// Once set up: does the module have diagnostics to monitor?
bool hasMonitoredDiagnostics(const ModuleImage &known);
QVector<MonitorRead> monitorPollReads(const ModuleImage &known);

struct Measurement {
    int quantity = a2::kTemperature;
    int lane = -1;  // 0-7 for a lane's measurement
    double value = 0;
    bool hasThresholds = false;
    double thresholds[a2::kLimitCount] = {};
    RxPowerKind rxPowerKind = RxPowerKind::Unknown;  // of an RX power

    Level level() const { return hasThresholds ? levelOf(value, thresholds) : Level::Normal; }
    // "tx_bias", "rx_power_2"
    QString key() const;
    // "Laser bias current", "RX power, lane 2"
    QString name(const Words &words) const;
};

// The measurements the bytes hold, in the order the monitor lists them.
QVector<Measurement> measurements(const ModuleImage &image);

}  // namespace sff
