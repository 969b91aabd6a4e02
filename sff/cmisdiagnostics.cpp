#include "cmisdiagnostics.h"

namespace sff {
namespace cmis {

namespace {

Span laneSpan(int quantity, int lane)
{
    switch (quantity) {
    case a2::kTxBias: return page11::txBias(lane);
    case a2::kTxPower: return page11::txPower(lane);
    default: return page11::rxPower(lane);
    }
}

}  // namespace

Diagnostics Diagnostics::of(const ModuleImage &image)
{
    Diagnostics d;
    const Calibration internal;
    const Page page01{page01::kPage};
    const Page page02{page02::kPage};
    d.advertised = image.holds(kDevice, page01::kMonitorAdvertising, page01);
    const quint8 characteristics = image.byte(kDevice, page01::kCharacteristics.offset, page01);
    const quint8 laneMonitors = image.byte(kDevice, page01::kLaneMonitors.offset, page01);
    if (d.advertised)
        d.rxPowerKind = characteristics & page01::kAverageRxPower ? RxPowerKind::Average : RxPowerKind::Oma;
    d.moduleMonitored = image.byte(kDevice, page01::kModuleMonitors.offset, page01)
                        & (page01::kTemperatureMonitored | page01::kVccMonitored);
    d.lanesMonitored = laneMonitors
                       & (page01::kTxBiasMonitored | page01::kTxPowerMonitored | page01::kRxPowerMonitored);
    // 3 is reserved: taken as the largest.
    d.biasMultiplier = 1 << std::min(2, (laneMonitors & page01::kBiasMultiplierMask) >> page01::kBiasMultiplierShift);
    d.hasModuleValues = image.holds(kDevice, lower::kTemperature) && image.holds(kDevice, lower::kVcc);
    d.hasLaneValues = image.holds(kDevice, page11::kLaneMonitors, kLanePage);
    d.hasThresholds = image.holds(kDevice, page02::kThresholds, page02);
    d.temperature = toUnit(a2::kTemperature, image.word(kDevice, lower::kTemperature.offset), internal);
    d.vcc = toUnit(a2::kVcc, image.word(kDevice, lower::kVcc.offset), internal);
    for (int q = a2::kTxBias; q < a2::kQuantityCount; ++q)
        for (int lane = 0; lane < kLanes; ++lane)
            d.lanes[q][lane] = toUnit(q, image.word(kDevice, laneSpan(q, lane).offset, kLanePage), internal)
                               * (q == a2::kTxBias ? d.biasMultiplier : 1);
    for (int q = 0; q < a2::kQuantityCount; ++q)
        for (int limit = 0; limit < a2::kLimitCount; ++limit)
            d.thresholds[q][limit] = toUnit(q, image.word(kDevice, page02::threshold(q, limit).offset, page02),
                                            internal)
                                     * (q == a2::kTxBias ? d.biasMultiplier : 1);
    return d;
}

}  // namespace cmis
}  // namespace sff
