#include "flatlayout.h"

namespace sff {

namespace {

QString translated(const char *text)
{
    return Words(Language::Translated)(text);
}

QList<Region> rawLayout(int size, Family family)
{
    const Region page00 = Region::upperOf(kDeviceA0, Page{0});
    if (family == Family::Sfp) {
        if (size == kRawSfpDevice)
            return {kRegionA0Low, kRegionA0High};
        if (size == kRawSfpModule)
            return {kRegionA0Low, kRegionA0High, kRegionA2Low, kRegionA2High};
        return {};
    }
    if (size == kRawSfpDevice)
        return {kRegionA0Low, page00};
    if (size == kRawQsfpModule && family == Family::Qsfp)
        return {kRegionA0Low, page00, Region::upperOf(kDeviceA0, Page{1}), Region::upperOf(kDeviceA0, Page{2}),
                Region::upperOf(kDeviceA0, Page{3})};
    return {};
}

}  // namespace

int flatOffset(const Region &region)
{
    if (region.device == kDeviceA2)
        return kDeviceSize + region.firstByte();
    if (!region.upper)
        return 0;
    return kHalfSize + (region.isPaged() ? region.page.number * kHalfSize : 0);
}

bool regionAtFlat(int flat, Family family, Region *region)
{
    if (flat < 0)
        return false;
    const int half = flat / kHalfSize;
    if (family == Family::Sfp) {
        if (half >= 4)
            return false;
        *region = half < 2 ? (half == 0 ? kRegionA0Low : kRegionA0High) : (half == 2 ? kRegionA2Low : kRegionA2High);
        return true;
    }
    if (half > kMaxPage + 1)
        return false;
    *region = half == 0 ? kRegionA0Low : Region::upperOf(kDeviceA0, Page{half - 1});
    return true;
}

bool isRawModuleSize(qint64 size)
{
    return size == kRawSfpDevice || size == kRawSfpModule || size == kRawQsfpModule;
}

bool fromRawLayout(const QByteArray &bytes, ModuleImage *image, QString *reason)
{
    const Family family = bytes.isEmpty() ? Family::Sfp : familyOfIdentifier(quint8(bytes.at(0)));
    const QList<Region> layout = rawLayout(bytes.size(), family);
    if (layout.isEmpty()) {
        *reason = translated(QT_TRANSLATE_NOOP("Sff", "%1 bytes is no layout of a %2 module (byte 0 is %3h): such a "
                                                      "module is kept in 256 bytes (the lower page and page 00h)%4"))
                      .arg(bytes.size())
                      .arg(familyTitle(family, Words(Language::Translated)))
                      .arg(quint8(bytes.at(0)), 2, 16, QLatin1Char('0'))
                      .arg(family == Family::Qsfp
                               ? translated(QT_TRANSLATE_NOOP("Sff", ", in 640 (then pages 01h, 02h and 03h)"))
                               : QString());
        return false;
    }
    ModuleImage made;
    for (int i = 0; i < layout.size(); ++i)
        made.putRegion(layout.at(i), bytes.mid(i * kHalfSize, kHalfSize));
    *image = made;
    return true;
}

QByteArray toRawLayout(const ModuleImage &image)
{
    const QList<Region> held = image.wholeRegions();
    if (held.size() != image.regions().size())
        return {};
    const Family family = familyOf(image);
    for (int size : {kRawSfpDevice, kRawSfpModule, kRawQsfpModule}) {
        const QList<Region> layout = rawLayout(size, family);
        if (layout != held)
            continue;
        QByteArray bytes;
        for (const Region &region : layout)
            bytes += image.region(region);
        return bytes;
    }
    return {};
}

}  // namespace sff
