#include "writerules.h"

#include "identification.h"

namespace sff {

namespace {

QVector<Span> whole(const Region &region)
{
    return {Span{region.firstByte(), kHalfSize}};
}

}  // namespace

QVector<Span> writtenSpans(const Region &region, Family family)
{
    if (region.device == kDeviceA2) {
        if (!region.upper)
            return {Span{0, kPasswordEntry.offset}};  // up to the password entry and the page select
        if (region.isPaged() && region.page.number == tunable::kPage)
            return {tunable::kChannelSet, tunable::kWavelengthSet, tunable::kControl};
        return whole(region);
    }
    // The password change entry and the password entry before the bank and
    // page select read back as 00: written, they would set a password.
    if (family != Family::Sfp && !region.upper)
        return {Span{0, passwordEntryOf(family).offset - kPasswordEntry.length}};
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
    return family == Family::Sfp && region == kRegionA2Low;
}

int spanBytes(const QVector<Span> &spans)
{
    int count = 0;
    for (const Span &span : spans)
        count += span.length;
    return count;
}

}  // namespace sff
