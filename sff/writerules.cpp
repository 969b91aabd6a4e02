#include "writerules.h"

#include "qsfpmap.h"

namespace sff {

namespace {

QVector<Span> whole(const Region &region)
{
    return {Span{region.firstByte(), kHalfSize}};
}

}  // namespace

QVector<Span> writtenSpans(const Region &region, Family family)
{
    if (family == Family::Qsfp && region.device == qsfp::kDevice)
        return region.upper ? whole(region) : QVector<Span>{qsfp::lower::kWritable};
    if (region.device == kDeviceA2) {
        if (!region.upper)
            return {Span{0, kPasswordEntry.offset}};  // up to the password entry and the page select
        if (region.isPaged() && region.page.number == tunable::kPage)
            return {tunable::kChannelSet, tunable::kWavelengthSet, tunable::kControl};
        return whole(region);
    }
    if (family != Family::Sfp && !region.upper)
        return {Span{0, kPageSelect.offset}};
    return whole(region);
}

QVector<Span> keptSpans(const Region &region, Family family)
{
    if (region.device == kDeviceA2) {
        if (!region.upper)
            return {Span{0, a2::kCcDmi.end()}};
        const bool vendorPage = region.isPaged() && region.page.number >= tunable::kFirstVendorPage;
        if (region.isPaged() && region.page.number == tunable::kPage)
            return writtenSpans(region, family);
        return vendorPage ? whole(region) : QVector<Span>{a2::kUserEeprom};
    }
    return writtenSpans(region, family);
}

bool holdsDiagnosticsSettings(const Region &region, Family family)
{
    if (family == Family::Qsfp)
        return region == Region::upperOf(qsfp::kDevice, Page{qsfp::page03::kPage});
    return family == Family::Sfp && region == kRegionA2Low;
}

PasswordEntry passwordEntryOf(Family family)
{
    if (family == Family::Qsfp)
        return {qsfp::kPasswordDevice, qsfp::kPasswordEntry};
    return {kPasswordDevice, kPasswordEntry};
}

WriteTiming writeTimingOf(Family family)
{
    if (family == Family::Qsfp)
        return {qsfp::kMaxWriteBytes, qsfp::kWriteCycleMs};
    return {};
}

int spanBytes(const QVector<Span> &spans)
{
    int count = 0;
    for (const Span &span : spans)
        count += span.length;
    return count;
}

}  // namespace sff
