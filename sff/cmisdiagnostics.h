#pragma once
// The live diagnostics of a CMIS module: its temperature and supply from the
// lower page; per lane of bank 0 the bias current, the TX power and the RX
// power from page 11h; the thresholds from page 02h; what is monitored, the
// kind of RX power and the bias multiplier from page 01h.
//
// Values are stored calibrated, in the units of SFP modules' internally
// calibrated diagnostics (diagnosticvalues.h), so the same conversions apply.

#include "cmismap.h"
#include "diagnosticvalues.h"

namespace sff {
namespace cmis {

struct Diagnostics {
    bool advertised = false;      // page 01h's monitor advertising is held
    bool averageRxPower = true;   // else OMA
    bool moduleMonitored = false;
    bool lanesMonitored = false;
    int biasMultiplier = 1;
    bool hasModuleValues = false;
    bool hasLaneValues = false;   // page 11h of bank 0 is held
    bool hasThresholds = false;   // page 02h is held
    double temperature = 0;
    double vcc = 0;
    // [quantity][lane] for a2::kTxBias, kTxPower and kRxPower; others unused.
    double lanes[a2::kQuantityCount][kLanes] = {};
    double thresholds[a2::kQuantityCount][a2::kLimitCount] = {};

    static Diagnostics of(const ModuleImage &image);

    static bool isLaneQuantity(int quantity) { return quantity >= a2::kTxBias; }
    // Lane 0-7 of a lane quantity; the module's own value otherwise.
    double value(int quantity, int lane = 0) const;
    Level level(int quantity, int lane = 0) const;
    // Whether the module says it has something to monitor, or, where page
    // 01h is not at hand, holds values to show.
    bool implemented() const { return advertised ? moduleMonitored || lanesMonitored : hasModuleValues; }
};

// The page a lane value is read from: page 11h of bank 0.
constexpr Page kLanePage{page11::kPage, 0};

}  // namespace cmis
}  // namespace sff
