#include "family.h"

#include "cmismap.h"
#include "moduleimage.h"
#include "qsfpmap.h"

#include <QRegularExpression>

namespace sff {

namespace {

// SFF-8024 Table 4-1: the identifiers of modules managed by SFF-8636 and by CMIS.
bool isSff8636Identifier(quint8 identifier)
{
    return identifier == 0x0C || identifier == 0x0D || identifier == 0x11;
}

bool isCmisIdentifier(quint8 identifier)
{
    return identifier == 0x18 || identifier == 0x19 || (identifier >= 0x1B && identifier <= 0x25 && identifier != 0x1C
                                                        && identifier != 0x1D);
}

// The lower page and page 00h always; the others unless the memory is
// flat: pages 01h and 02h as page 00h advertises them, and page 03h.
QList<Region> qsfpRegions(const ModuleImage &image)
{
    using namespace qsfp;
    const auto page = [](int number) { return Region::upperOf(kDevice, Page{number}); };
    QList<Region> regions{kRegionA0Low, page(page00::kPage)};
    if (image.byte(kDevice, lower::kStatus.offset) & lower::kFlatMemory)
        return regions;
    const Page page00{page00::kPage};
    if (image.holds(kDevice, page00::kPagesByte, 1, page00)) {
        const quint8 pages = image.byte(kDevice, page00::kPagesByte, page00);
        if (pages & page00::kPage01Provided)
            regions.append(page(page01::kPage));
        if (pages & page00::kPage02Provided)
            regions.append(page(page02::kPage));
    }
    regions.append(page(page03::kPage));
    return regions;
}

// The lower page and page 00h always; unless the memory is flat, pages 01h
// and 02h, page 03h as page 01h advertises it, and the lanes' pages 10h and
// 11h (13h and 14h when advertised) in every bank it has.
QList<Region> cmisRegions(const ModuleImage &image)
{
    using namespace cmis;
    const auto page = [](int number, int bank = kNoBank) { return Region::upperOf(kDevice, Page{number, bank}); };
    QList<Region> regions{kRegionA0Low, page(page00::kPage)};
    if (image.byte(kDevice, lower::kMemoryModel.offset) & lower::kFlatMemory)
        return regions;
    regions << page(page01::kPage) << page(page02::kPage);
    const Page page01{page01::kPage};
    const bool advertised = image.holds(kDevice, page01::kPagesAdvertised, page01);
    const quint8 pages = image.byte(kDevice, page01::kPagesAdvertised.offset, page01);
    if (pages & page01::kPage03Supported)
        regions.append(page(page03::kPage));
    const int bankCode = pages & page01::kBanksMask;
    const int banks = advertised && bankCode < page01::kBanksMask ? 1 << bankCode : 1;
    for (int bank = 0; bank < banks; ++bank) {
        regions << page(page10::kPage, bank) << page(page11::kPage, bank);
        if (pages & page01::kDiagnosticPagesSupported)
            regions << page(0x13, bank) << page(0x14, bank);
    }
    return regions;
}

QString hexPage(int page)
{
    return QStringLiteral("%1").arg(page, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

Family familyOfIdentifier(quint8 identifier)
{
    if (isSff8636Identifier(identifier))
        return Family::Qsfp;
    if (isCmisIdentifier(identifier))
        return Family::Cmis;
    return Family::Sfp;
}

Family familyOf(const ModuleImage &image)
{
    if (image.holds(kDeviceA0, a0::kIdentifier))
        return familyOfIdentifier(image.byte(kDeviceA0, a0::kIdentifier.offset));
    // Page 00h repeats the identifier; other pages of device 0x50 say at
    // least that the module is no SFP module, whose device 0x50 has none.
    const Page page00{qsfp::page00::kPage};
    if (image.holds(kDeviceA0, qsfp::page00::kIdentifier, page00))
        return familyOfIdentifier(image.byte(kDeviceA0, qsfp::page00::kIdentifier.offset, page00));
    const QList<Region> regions = image.regions();
    for (const Region &region : regions)
        if (region.device == kDeviceA0 && region.page.isBanked())
            return Family::Cmis;
    for (const Region &region : regions)
        if (region.device == kDeviceA0 && region.isPaged())
            return Family::Qsfp;
    return Family::Sfp;
}

QString familyKey(Family family)
{
    switch (family) {
    case Family::Sfp: return QStringLiteral("sff8472");
    case Family::Qsfp: return QStringLiteral("sff8636");
    case Family::Cmis: return QStringLiteral("cmis");
    }
    return QString();
}

QString familyTitle(Family family, const Words &words)
{
    switch (family) {
    case Family::Sfp: return words(QT_TRANSLATE_NOOP("Sff", "SFP (SFF-8472)"));
    case Family::Qsfp: return words(QT_TRANSLATE_NOOP("Sff", "QSFP (SFF-8636)"));
    case Family::Cmis: return words(QT_TRANSLATE_NOOP("Sff", "CMIS"));
    }
    return QString();
}

QString regionKey(const Region &region, Family family)
{
    const bool a2 = region.device == kDeviceA2;
    if (!region.isPaged()) {
        if (!a2 && family != Family::Sfp && !region.upper)
            return QStringLiteral("lower");
        return QStringLiteral("%1-%2").arg(a2 ? QLatin1String("a2") : QLatin1String("a0"),
                                            region.upper ? QLatin1String("high") : QLatin1String("low"));
    }
    const QString page = QStringLiteral("page-%1").arg(hexPage(region.page.number).toLower());
    if (a2)
        return QStringLiteral("a2-") + page;
    if (region.page.isBanked())
        return QStringLiteral("bank-%1-").arg(region.page.bank) + page;
    return page;
}

QString regionTitle(const Region &region, Family family, const Words &words)
{
    const bool a2 = region.device == kDeviceA2;
    if (!region.isPaged()) {
        if (!a2 && family != Family::Sfp && !region.upper)
            return words(QT_TRANSLATE_NOOP("Sff", "Lower page"));
        if (!a2)
            return region.upper ? words(QT_TRANSLATE_NOOP("Sff", "A0 High")) : words(QT_TRANSLATE_NOOP("Sff", "A0 Low"));
        return region.upper ? words(QT_TRANSLATE_NOOP("Sff", "A2 High")) : words(QT_TRANSLATE_NOOP("Sff", "A2 Low"));
    }
    const QString page = hexPage(region.page.number);
    if (a2)
        return words(QT_TRANSLATE_NOOP("Sff", "A2 Page %1h")).arg(page);
    if (region.page.isBanked())
        return words(QT_TRANSLATE_NOOP("Sff", "Bank %1 Page %2h")).arg(region.page.bank).arg(page);
    return words(QT_TRANSLATE_NOOP("Sff", "Page %1h")).arg(page);
}

bool parseRegionKey(const QString &key, Region *region)
{
    static const QRegularExpression named(
        QStringLiteral("^(?:(a0|a2)-(low|high)|lower|(a2-)?page-([0-9a-f]{2})|bank-(\\d{1,3})-page-([0-9a-f]{2}))$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = named.match(key.trimmed());
    if (!match.hasMatch())
        return false;
    if (!match.captured(1).isEmpty()) {
        const quint8 device = match.captured(1).toLower() == QLatin1String("a2") ? kDeviceA2 : kDeviceA0;
        *region = match.captured(2).toLower() == QLatin1String("high") ? Region::upperOf(device)
                                                                       : Region::lowerOf(device);
    } else if (key.trimmed().compare(QLatin1String("lower"), Qt::CaseInsensitive) == 0) {
        *region = kRegionA0Low;
    } else if (!match.captured(4).isEmpty()) {
        const quint8 device = match.captured(3).isEmpty() ? kDeviceA0 : kDeviceA2;
        *region = Region::upperOf(device, Page{match.captured(4).toInt(nullptr, 16)});
    } else {
        const int bank = match.captured(5).toInt();
        if (bank > 0xFF)
            return false;
        *region = Region::upperOf(kDeviceA0, Page{match.captured(6).toInt(nullptr, 16), bank});
    }
    return true;
}

QList<Region> advertisedRegions(const ModuleImage &image)
{
    // Until byte 0 tells otherwise, a module is taken for an SFP one.
    QList<Region> regions{kRegionA0Low, kRegionA0High, kRegionA2Low, kRegionA2High};
    if (!image.holdsRegion(kRegionA0Low))
        return regions;
    const Family family = familyOf(image);
    if (family == Family::Qsfp)
        return qsfpRegions(image);
    if (family == Family::Cmis)
        return cmisRegions(image);
    if (image.byte(kDeviceA0, a0::kPagingByte) & a0::kPagingImplemented) {
        regions.append(Region::upperOf(kDeviceA2, Page{1}));
        if (image.byte(kDeviceA0, a0::kTunableByte) & a0::kTunableTransmitter)
            regions.append(Region::upperOf(kDeviceA2, Page{tunable::kPage}));
    }
    return regions;
}

bool mayBeAbsent(const Region &region, const ModuleImage &image)
{
    return region.device == kDeviceA2 && image.holds(kDeviceA0, a0::kDiagnosticType)
           && !(image.byte(kDeviceA0, a0::kDiagnosticType.offset) & a0::kDiagnosticsImplemented);
}

Region normalizedRegion(const Region &region, Family family)
{
    Region normal = region;
    if (family == Family::Cmis && region.device == kDeviceA0 && region.isPaged() && region.page.number >= 0x10
        && !region.page.isBanked())
        normal.page.bank = 0;
    if (family != Family::Cmis)
        normal.page.bank = kNoBank;
    return normal;
}

bool hasFlatMemory(const ModuleImage &image)
{
    switch (familyOf(image)) {
    case Family::Qsfp:
        return image.holds(kDeviceA0, qsfp::lower::kStatus)
               && (image.byte(kDeviceA0, qsfp::lower::kStatus.offset) & qsfp::lower::kFlatMemory);
    case Family::Cmis:
        return image.holds(kDeviceA0, cmis::lower::kMemoryModel)
               && (image.byte(kDeviceA0, cmis::lower::kMemoryModel.offset) & cmis::lower::kFlatMemory);
    case Family::Sfp:
        break;
    }
    return false;
}

Page pageToSelect(const Region &region, const ModuleImage &image)
{
    if (region.device == kDeviceA0 && region.page.number == 0 && hasFlatMemory(image))
        return Page();
    return region.page;
}

Span pageSelectSpan(const Region &region)
{
    return region.page.isBanked() ? kBankAndPageSelect : kPageSelect;
}

}  // namespace sff
