#pragma once
// The live diagnostics of a QSFP module: its temperature and supply, and per
// lane the RX power, the bias current and the TX power, from the lower page;
// the thresholds from page 03h; the flags the module latches.
//
// Values are stored calibrated, in the units of SFP modules' internally
// calibrated diagnostics (diagnosticvalues.h), so the same conversions apply.

#include "lanediagnostics.h"
#include "qsfpmap.h"

namespace sff {
namespace qsfp {

static_assert(kLanes <= kMaxLanes, "the lanes fit the shared diagnostics");

// The kind of RX power is known once page 00h byte 220 is held.
struct Diagnostics : LaneDiagnostics {
    Diagnostics() : LaneDiagnostics(kLanes) {}

    bool implemented = false;     // byte 220 names a monitored quantity
    bool hasFlags = false;
    quint8 flags[lower::kTxPowerFlags.end() - lower::kLosFlags.offset] = {};  // bytes 3-14

    static Diagnostics of(const ModuleImage &image);

    bool holdsValue(int quantity) const { return isLaneQuantity(quantity) ? hasLaneValues : hasModuleValues; }
    quint8 flagByte(int offset) const { return flags[offset - lower::kLosFlags.offset]; }
};

}  // namespace qsfp
}  // namespace sff
