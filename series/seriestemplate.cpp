#include "seriestemplate.h"

#include "checkcodes.h"
#include "imagefile.h"
#include "memorymap.h"
#include "moduleimage.h"
#include "familytraits.h"
#include "textfields.h"

#include <QDir>

bool SeriesTemplate::load(const QString &fileName, SeriesTemplate *loaded, QString *error)
{
    LoadedImage image;
    if (!ImageFile::readImage(fileName, &image, error))
        return false;
    const sff::Family family = sff::familyOf(image.image());
    if (!sff::familyTraits(family).series) {
        *error = tr("The template %1 is of a %2 module: a series does not program such modules")
                     .arg(QDir::toNativeSeparators(fileName),
                          sff::familyTitle(family, sff::Words(sff::Language::Translated)));
        return false;
    }
    *loaded = fromImage(image);
    if (loaded->isEmpty()) {
        *error = family == sff::Family::Sfp
                     ? tr("The template %1 holds no A0 Low, which a series writes into every module")
                           .arg(QDir::toNativeSeparators(fileName))
                     : tr("The template %1 holds no page 00h, which a series writes into every QSFP module")
                           .arg(QDir::toNativeSeparators(fileName));
        return false;
    }
    return true;
}

SeriesTemplate SeriesTemplate::fromImage(const LoadedImage &loaded)
{
    SeriesTemplate made;
    const sff::ModuleImage image = loaded.placed(sff::kRegionA0Low);
    const sff::Family family = sff::familyOf(image);
    const sff::FamilyTraits &traits = sff::familyTraits(family);
    // A family a series does not program gives an empty template: nothing of it is written.
    if (!traits.series)
        return made;
    if (family != sff::Family::Sfp) {
        if (image.holdsRegion(traits.identity)) {
            made.family_ = family;
            made.image_.putRegion(traits.identity, image.region(traits.identity));
            made.regions_ = {traits.identity};
        }
        return made;
    }
    if (!image.holdsRegion(sff::kRegionA0Low))
        return made;
    // A module read with its pages holds A2h's user memory as page 00h.
    const sff::Region page00 = sff::Region::upperOf(sff::kDeviceA2, sff::Page{0});
    made.image_ = sff::ModuleImage::fromRegion(sff::kRegionA0Low, image.region(sff::kRegionA0Low));
    made.tables_ = {sff::kTableA0Low};
    if (image.holdsRegion(sff::kRegionA0High)) {
        made.image_.putRegion(sff::kRegionA0High, image.region(sff::kRegionA0High));
        made.tables_.append(sff::kTableA0High);
    }
    const sff::Region a2High = image.holdsRegion(sff::kRegionA2High) ? sff::kRegionA2High : page00;
    if (image.holdsRegion(a2High)) {
        made.image_.putRegion(sff::kRegionA2High, image.region(a2High));
        made.tables_.append(sff::kTableA2High);
    }
    for (int table : made.tables_)
        made.regions_.append(sff::regionOfTable(table));
    return made;
}

sff::Region SeriesTemplate::identityRegion() const
{
    return regions_.isEmpty() ? sff::kRegionA0Low : regions_.first();
}

QByteArray SeriesTemplate::regionFor(const sff::Region &region, const QString &serial, const QDate &date,
                                     const QByteArray &before) const
{
    using namespace sff;
    if (family_ == Family::Sfp) {
        if (region == kRegionA0Low)
            return a0LowFor(serial, date);
        if (region == kRegionA2High)
            return a2HighFor(before);
        return image_.region(region);
    }
    const FamilyTraits &traits = familyTraits(family_);
    ModuleImage module = ModuleImage::fromRegion(region, image_.region(region));
    const Page page = region.page;
    const quint8 device = region.device;
    module.write(device, traits.serialNumber.offset, encodeText(serial, traits.serialNumber.length), page);
    if (date.isValid()) {
        const DateCode present = readDateCode(module.bytes(device, traits.dateCode, page));
        module.write(device, traits.dateCode.offset, encodeDateCode(date, present.lot.text), page);
    }
    recomputeCheckCodes(module);
    return module.region(region);
}

QByteArray SeriesTemplate::table(int table) const
{
    return image_.table(table);
}

QByteArray SeriesTemplate::a0LowFor(const QString &serial, const QDate &date) const
{
    using namespace sff;
    ModuleImage module = ModuleImage::fromTable(kTableA0Low, table(kTableA0Low));
    module.write(kDeviceA0, kSerialNumber.offset, encodeText(serial, kSerialNumber.length));
    if (date.isValid()) {
        const DateCode present = readDateCode(module.bytes(kDeviceA0, kDateCode));
        module.write(kDeviceA0, kDateCode.offset, encodeDateCode(date, present.lot.text));
    }
    recomputeCheckCodes(module);
    return module.table(kTableA0Low);
}

QByteArray SeriesTemplate::a2HighFor(const QByteArray &moduleA2High) const
{
    using namespace sff;
    const int userArea = a2::kUserEeprom.length;
    return table(kTableA2High).left(userArea) + moduleA2High.mid(userArea, kTableSize - userArea);
}
