#include "qsfpdiagnostics.h"

namespace sff {
namespace qsfp {

namespace {

Span laneSpan(int quantity, int lane)
{
    switch (quantity) {
    case a2::kTxBias: return lower::txBias(lane);
    case a2::kTxPower: return lower::txPower(lane);
    default: return lower::rxPower(lane);
    }
}

}  // namespace

Diagnostics Diagnostics::of(const ModuleImage &image)
{
    Diagnostics d;
    const Calibration internal;
    const Page page00{page00::kPage};
    const Page page03{page03::kPage};
    const quint8 type = image.byte(kDevice, page00::kDiagnosticType.offset, page00);
    if (image.holds(kDevice, page00::kDiagnosticType, page00))
        d.rxPowerKind = type & page00::kAverageRxPower ? RxPowerKind::Average : RxPowerKind::Oma;
    d.implemented = type & (page00::kTemperatureMonitored | page00::kVccMonitored | page00::kTxPowerMonitored);
    d.hasModuleValues = image.holds(kDevice, lower::kTemperature) && image.holds(kDevice, lower::kVcc);
    d.hasLaneValues = image.holds(kDevice, lower::kLaneMonitors);
    d.hasThresholds = image.holds(kDevice, page03::kThresholds, page03);
    d.hasFlags = image.holds(kDevice, lower::kLosFlags.offset, int(sizeof d.flags));
    d.temperature = toUnit(a2::kTemperature, image.word(kDevice, lower::kTemperature.offset), internal);
    d.vcc = toUnit(a2::kVcc, image.word(kDevice, lower::kVcc.offset), internal);
    for (int q = a2::kTxBias; q < a2::kQuantityCount; ++q)
        for (int lane = 0; lane < kLanes; ++lane)
            d.lanes[q][lane] = toUnit(q, image.word(kDevice, laneSpan(q, lane).offset), internal);
    for (int q = 0; q < a2::kQuantityCount; ++q)
        for (int limit = 0; limit < a2::kLimitCount; ++limit)
            d.thresholds[q][limit] = toUnit(q, image.word(kDevice, page03::threshold(q, limit).offset, page03), internal);
    for (int i = 0; i < int(sizeof d.flags); ++i)
        d.flags[i] = image.byte(kDevice, lower::kLosFlags.offset + i);
    return d;
}

}  // namespace qsfp
}  // namespace sff
