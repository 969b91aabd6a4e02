#include "seriestemplate.h"

#include "checkcodes.h"
#include "imagefile.h"
#include "memorymap.h"
#include "moduleimage.h"
#include "textfields.h"

#include <QDir>

bool SeriesTemplate::load(const QString &fileName, SeriesTemplate *loaded, QString *error)
{
    LoadedImage image;
    if (!ImageFile::readImage(fileName, &image, error))
        return false;
    *loaded = fromImage(image);
    if (loaded->isEmpty()) {
        *error = tr("The template %1 holds no A0 Low, which a series writes into every module")
                     .arg(QDir::toNativeSeparators(fileName));
        return false;
    }
    return true;
}

SeriesTemplate SeriesTemplate::fromImage(const LoadedImage &loaded)
{
    SeriesTemplate made;
    const sff::ModuleImage image = loaded.placed(sff::kRegionA0Low);
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
    return made;
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
