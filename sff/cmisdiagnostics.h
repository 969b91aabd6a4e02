#pragma once
// The live diagnostics of a CMIS module: its temperature and supply from the
// lower page; per lane of bank 0 the bias current, the TX power and the RX
// power from page 11h; the thresholds from page 02h; what is monitored, the
// kind of RX power and the bias multiplier from page 01h.
//
// Values are stored calibrated, in the units of SFP modules' internally
// calibrated diagnostics (diagnosticvalues.h), so the same conversions apply.

#include "cmismap.h"
#include "lanediagnostics.h"

namespace sff {
namespace cmis {

static_assert(kLanes <= kMaxLanes, "the lanes fit the shared diagnostics");

// The kind of RX power is known once page 01h's advertising is held.
struct Diagnostics : LaneDiagnostics {
    Diagnostics() : LaneDiagnostics(kLanes) {}

    bool advertised = false;      // page 01h's monitor advertising is held
    bool moduleMonitored = false;
    bool lanesMonitored = false;
    int biasMultiplier = 1;

    static Diagnostics of(const ModuleImage &image);

    // Whether the module says it has something to monitor, or, where page
    // 01h is not at hand, holds values to show.
    bool implemented() const { return advertised ? moduleMonitored || lanesMonitored : hasModuleValues; }
};

// The page a lane value is read from: page 11h of bank 0.
constexpr Page kLanePage{page11::kPage, 0};

}  // namespace cmis
}  // namespace sff
