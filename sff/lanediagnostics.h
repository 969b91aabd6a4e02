#pragma once
// What the live diagnostics of the paged families (qsfpdiagnostics.h,
// cmisdiagnostics.h) have alike: the module's temperature and supply, the
// bias current, TX power and RX power of each lane, the thresholds, and the
// kind of RX power, all in the units of diagnosticvalues.h.

#include "diagnosticvalues.h"

namespace sff {

constexpr int kMaxLanes = 8;  // of a CMIS bank; a QSFP module has four

struct LaneDiagnostics {
    explicit LaneDiagnostics(int laneCount) : laneCount(laneCount) {}

    int laneCount;
    RxPowerKind rxPowerKind = RxPowerKind::Unknown;  // until the module says
    bool hasModuleValues = false;
    bool hasLaneValues = false;
    bool hasThresholds = false;
    double temperature = 0;
    double vcc = 0;
    // [quantity][lane] for a2::kTxBias, kTxPower and kRxPower; others unused.
    double lanes[a2::kQuantityCount][kMaxLanes] = {};
    double thresholds[a2::kQuantityCount][a2::kLimitCount] = {};

    static bool isLaneQuantity(int quantity) { return quantity >= a2::kTxBias; }
    // A lane's value of a lane quantity; the module's own value otherwise.
    double value(int quantity, int lane = 0) const;
    Level level(int quantity, int lane = 0) const;
};

// The name of a value: "RX power (OMA), lane 2", "Temperature"; a lane of -1
// names the quantity of all lanes.
QString valueName(int quantity, int lane, const LaneDiagnostics &diagnostics, const Words &words);

}  // namespace sff
