#include "writerules.h"

#include "cmismap.h"
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
    if (family == Family::Cmis && region.device == cmis::kDevice)
        return region.upper ? whole(region) : QVector<Span>{cmis::lower::kWritable};
    if (region.device == kDeviceA2) {
        if (!region.upper)
            return {Span{0, kPasswordEntry.offset}};  // up to the password entry and the page select
        if (region.isPaged() && region.page.number == tunable::kPage)
            return {tunable::kChannelSet, tunable::kWavelengthSet, tunable::kControl};
        return whole(region);
    }
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
    return familyTraits(family).diagnosticsSettings.contains(normalizedRegion(region, family));
}

PasswordEntry passwordEntryOf(Family family)
{
    return familyTraits(family).password;
}

WriteTiming writeTimingOf(Family family)
{
    return familyTraits(family).writeTiming;
}

int firstKeptDifference(const Region &region, Family family, const QByteArray &written, const QByteArray &readBack)
{
    for (const Span &span : keptSpans(region, family))
        for (int offset = span.offset; offset < span.end(); ++offset) {
            const int i = offset - region.firstByte();
            if (i < written.size() && i < readBack.size() && written.at(i) != readBack.at(i))
                return offset;
        }
    return -1;
}

int spanBytes(const QVector<Span> &spans)
{
    int count = 0;
    for (const Span &span : spans)
        count += span.length;
    return count;
}

}  // namespace sff
