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
    d.typeKnown = image.holds(kDevice, page00::kDiagnosticType, page00);
    const quint8 type = image.byte(kDevice, page00::kDiagnosticType.offset, page00);
    d.averageRxPower = !d.typeKnown || (type & page00::kAverageRxPower);
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

double Diagnostics::value(int quantity, int lane) const
{
    if (quantity == a2::kTemperature)
        return temperature;
    if (quantity == a2::kVcc)
        return vcc;
    return lanes[quantity][qBound(0, lane, kLanes - 1)];
}

Level Diagnostics::level(int quantity, int lane) const
{
    if (!hasThresholds || quantity < 0 || quantity >= a2::kQuantityCount)
        return Level::Normal;
    return levelOf(value(quantity, lane), thresholds[quantity]);
}

QString valueName(int quantity, int lane, const Diagnostics &d, const Words &words)
{
    QString name = quantityName(quantity, words);
    if (quantity == a2::kRxPower && d.typeKnown)
        name = d.averageRxPower ? words(QT_TRANSLATE_NOOP("Sff", "RX power (average)"))
                                : words(QT_TRANSLATE_NOOP("Sff", "RX power (OMA)"));
    if (!Diagnostics::isLaneQuantity(quantity) || lane < 0)
        return name;
    return words(QT_TRANSLATE_NOOP("Sff", "%1, lane %2")).arg(name).arg(lane + 1);
}

}  // namespace qsfp
}  // namespace sff
