#include "monitoring.h"

#include "cmisdiagnostics.h"
#include "qsfpdiagnostics.h"

namespace sff {

namespace {

constexpr Span kIdentification{0, 3};  // identifier, and a QSFP module's status
const Region kPage00 = Region::upperOf(qsfp::kDevice, Page{qsfp::page00::kPage});
const Region kPage03 = Region::upperOf(qsfp::kDevice, Page{qsfp::page03::kPage});
const Region kCmisPage01 = Region::upperOf(cmis::kDevice, Page{cmis::page01::kPage});
const Region kCmisPage02 = Region::upperOf(cmis::kDevice, Page{cmis::page02::kPage});
const Region kCmisLanes = Region::upperOf(cmis::kDevice, cmis::kLanePage);

MonitorRead pageRead(const Region &region, Span span, const ModuleImage &known)
{
    return {region.device, span, region.page, pageToSelect(region, known)};
}

}  // namespace

std::optional<MonitorRead> monitorSetupRead(const ModuleImage &known)
{
    if (!known.holds(kDeviceA0, kIdentification))
        return MonitorRead{kDeviceA0, kIdentification, {}, {}};
    if (familyOf(known) == Family::Qsfp) {
        const Page page00 = kPage00.page;
        if (!known.holds(qsfp::kDevice, qsfp::page00::kDiagnosticType, page00))
            return pageRead(kPage00, qsfp::page00::kDiagnosticType, known);
        if (hasMonitoredDiagnostics(known) && !hasFlatMemory(known)
            && !known.holds(qsfp::kDevice, qsfp::page03::kThresholds, kPage03.page))
            return pageRead(kPage03, qsfp::page03::kThresholds, known);
        return std::nullopt;
    }
    if (familyOf(known) == Family::Cmis) {
        // A flat memory has no page 01h to say what is monitored, nor lanes' pages.
        if (hasFlatMemory(known))
            return std::nullopt;
        if (!known.holds(cmis::kDevice, cmis::page01::kMonitorAdvertising, kCmisPage01.page))
            return pageRead(kCmisPage01, cmis::page01::kMonitorAdvertising, known);
        if (hasMonitoredDiagnostics(known) && !known.holds(cmis::kDevice, cmis::page02::kThresholds, kCmisPage02.page))
            return pageRead(kCmisPage02, cmis::page02::kThresholds, known);
        return std::nullopt;
    }
    if (!known.holds(kDeviceA0, a0::kDiagnosticType))
        return MonitorRead{kDeviceA0, a0::kDiagnosticType, {}, {}};
    if (hasMonitoredDiagnostics(known) && !known.holds(kDeviceA2, a2::kMonitorSetup))
        return MonitorRead{kDeviceA2, a2::kMonitorSetup, {}, {}};
    return std::nullopt;
}

bool hasMonitoredDiagnostics(const ModuleImage &known)
{
    if (familyOf(known) == Family::Qsfp)
        return qsfp::Diagnostics::of(known).implemented;
    if (familyOf(known) == Family::Cmis)
        return !hasFlatMemory(known) && cmis::Diagnostics::of(known).implemented();
    return known.byte(kDeviceA0, a0::kDiagnosticType.offset) & a0::kDiagnosticsImplemented;
}

QVector<MonitorRead> monitorPollReads(const ModuleImage &known)
{
    if (familyOf(known) == Family::Qsfp)
        return {{qsfp::kDevice, qsfp::lower::kMonitorPoll, {}, {}}};
    if (familyOf(known) == Family::Cmis) {
        QVector<MonitorRead> reads{{cmis::kDevice, cmis::lower::kMonitorPoll, {}, {}}};
        if (cmis::Diagnostics::of(known).lanesMonitored)
            reads.append(pageRead(kCmisLanes, cmis::page11::kLaneMonitors, known));
        return reads;
    }
    return {{kDeviceA2, a2::kMonitorPoll, {}, {}}};
}

QString Measurement::key() const
{
    return lane < 0 ? quantityKey(quantity) : QStringLiteral("%1_%2").arg(quantityKey(quantity)).arg(lane + 1);
}

QString Measurement::name(const Words &words) const
{
    if (lane < 0)
        return quantityName(quantity, words);
    return words(QT_TRANSLATE_NOOP("Sff", "%1, lane %2")).arg(quantityName(quantity, words)).arg(lane + 1);
}

QVector<Measurement> measurements(const ModuleImage &image)
{
    QVector<Measurement> list;
    RxPowerKind rxKind = RxPowerKind::Unknown;
    const auto add = [&list, &rxKind](int quantity, int lane, double value, bool hasThresholds,
                                      const double (&limits)[4]) {
        Measurement m;
        m.rxPowerKind = rxKind;
        m.quantity = quantity;
        m.lane = lane;
        m.value = value;
        m.hasThresholds = hasThresholds && thresholdsSet(limits);
        std::copy(std::begin(limits), std::end(limits), m.thresholds);
        list.append(m);
    };
    if (familyOf(image) == Family::Qsfp || familyOf(image) == Family::Cmis) {
        // The part of the family's diagnostics that both paged families have.
        const LaneDiagnostics d = familyOf(image) == Family::Qsfp ? LaneDiagnostics(qsfp::Diagnostics::of(image))
                                                                  : LaneDiagnostics(cmis::Diagnostics::of(image));
        rxKind = d.rxPowerKind;
        if (d.hasModuleValues)
            for (int q : {a2::kTemperature, a2::kVcc})
                add(q, -1, d.value(q), d.hasThresholds, d.thresholds[q]);
        if (d.hasLaneValues)
            for (int q : {a2::kTxBias, a2::kTxPower, a2::kRxPower})
                for (int lane = 0; lane < d.laneCount; ++lane)
                    add(q, lane, d.value(q, lane), d.hasThresholds, d.thresholds[q]);
        return list;
    }
    const Diagnostics d = Diagnostics::of(image);
    rxKind = d.rxPowerKind;
    if (d.hasValues)
        for (int q = 0; q < a2::kQuantityCount; ++q)
            add(q, -1, d.values[q], d.hasThresholds, d.thresholds[q]);
    return list;
}

}  // namespace sff
