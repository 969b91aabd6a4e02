#pragma once
// The live diagnostics of a QSFP module: its temperature and supply, and per
// lane the RX power, the bias current and the TX power, from the lower page;
// the thresholds from page 03h; the flags the module latches.
//
// Values are stored calibrated, in the units of SFP modules' internally
// calibrated diagnostics (diagnosticvalues.h), so the same conversions apply.

#include "diagnosticvalues.h"
#include "qsfpmap.h"

namespace sff {
namespace qsfp {

struct Diagnostics {
    bool typeKnown = false;       // page 00h byte 220 is held
    bool averageRxPower = true;   // else OMA
    bool implemented = false;     // byte 220 names a monitored quantity
    bool hasModuleValues = false;
    bool hasLaneValues = false;
    bool hasThresholds = false;   // page 03h is held
    bool hasFlags = false;
    double temperature = 0;
    double vcc = 0;
    // [quantity][lane] for a2::kTxBias, kTxPower and kRxPower; others unused.
    double lanes[a2::kQuantityCount][kLanes] = {};
    double thresholds[a2::kQuantityCount][a2::kLimitCount] = {};
    quint8 flags[lower::kTxPowerFlags.end() - lower::kLosFlags.offset] = {};  // bytes 3-14

    static Diagnostics of(const ModuleImage &image);

    static bool isLaneQuantity(int quantity) { return quantity >= a2::kTxBias; }
    // Lane 0-3 of a lane quantity; the module's own value otherwise.
    double value(int quantity, int lane = 0) const;
    bool holdsValue(int quantity) const { return isLaneQuantity(quantity) ? hasLaneValues : hasModuleValues; }
    Level level(int quantity, int lane = 0) const;
    quint8 flagByte(int offset) const { return flags[offset - lower::kLosFlags.offset]; }
};

// The name of a value: "RX power (OMA), lane 2", "Temperature"; a lane of -1
// names the quantity of all lanes.
QString valueName(int quantity, int lane, const Diagnostics &diagnostics, const Words &words);

}  // namespace qsfp
}  // namespace sff
